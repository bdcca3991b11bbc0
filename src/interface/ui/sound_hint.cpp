#include "interface/ui/sound_hint.h"

#include <QApplication>
#include <QAudioOutput>
#include <QFontMetrics>
#include <QMediaPlayer>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "images/rounding.h"
#include "images/ui/qt_picture.h"
#include "interface/hint_text.h"
#include "interface/ui/interface_color.h"
#include "platform/stored_path.h"

namespace lumena {

namespace {

bool& SuppressedSlot() {
  static bool value = false;
  return value;
}

constexpr int kMaxHintWidth = 300;

// Keeps the window on the screen and off the mouse pointer.
QPoint PlaceHint(QSize size, QPoint at, QRect screen, QPoint pointer) {
  int x = at.x() - size.width() / 2;
  int y = at.y();
  x = std::min(x, screen.right() + 1 - size.width());
  if (y + size.height() > screen.bottom() + 1) {
    y = screen.bottom() + 1 - size.height();
    if (QRect(QPoint(x, y), size).contains(pointer)) y = pointer.y() - size.height();
  }
  return {std::max(x, 0), std::max(y, 0)};
}

uint32_t ColourValueOf(const QColor& c) { return ColorValue(c.red(), c.green(), c.blue()); }

}  // namespace

TSoundHint::TSoundHint(QObject* parent)
    : QObject(parent),
      MyPlayer_(new QMediaPlayer(this)),
      audio_(new QAudioOutput(this)),
      window_(new TSoundHintWindow()),
      hideTimer_(new QTimer(this)),
      showTimer_(new QTimer(this)) {
  MyPlayer_->setAudioOutput(audio_);
  hideTimer_->setSingleShot(true);
  showTimer_->setSingleShot(true);
  connect(hideTimer_, &QTimer::timeout, this, &TSoundHint::HideHint);
  connect(showTimer_, &QTimer::timeout, this, &TSoundHint::ShowPendingHint);
  // The music comes back when a hint sound has ended or cannot play; a sound
  // stopped for the next hint's sound leaves it off.
  connect(MyPlayer_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
    const bool over = status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia;
    if (over && SoundAfter && BgPlayer) BgPlayer->play();
  });
  qApp->installEventFilter(this);
}

TSoundHint::~TSoundHint() {
  qApp->removeEventFilter(this);
  delete window_;
}

void TSoundHint::SetSuppressed(bool value) { SuppressedSlot() = value; }
bool TSoundHint::Suppressed() { return SuppressedSlot(); }

std::optional<QString> TSoundHint::FindSoundFile(const QString& hint) const {
  const HintParts parts = SplitHint(hint.toStdString(), Delimiter.toStdString());
  if (!parts.sound) return std::nullopt;
  const std::string stored = HintSoundPath(PathForWave.toStdString(), ProgramFolder.toStdString(), *parts.sound);
  return QString::fromStdString(MapStoredPath("/", stored).string());
}

void TSoundHint::ShowHint(const QString& hint, QPoint at) {
  if (Suppressed() || hint.isEmpty()) return;
  const HintParts parts = SplitHint(hint.toStdString(), Delimiter.toStdString());
  window_->ShowText(QString::fromStdString(parts.text), at, *this);
  hideTimer_->start(HidePause);
  if (const auto file = FindSoundFile(hint); file && SoundEnabled) PlaySound(*file);
}

void TSoundHint::PlaySound(const QString& file) {
  // A sound that fails must never keep the hint from showing.
  if (MyPlayer_->playbackState() == QMediaPlayer::PlayingState)
    MyPlayer_->stop();
  else if (BgPlayer)
    BgPlayer->stop();
  MyPlayer_->setSource(QUrl::fromLocalFile(file));
  MyPlayer_->play();
}

void TSoundHint::HideHint() {
  if (!window_->isVisible()) return;
  window_->hide();
  sinceHidden_.start();
}

std::optional<int> TSoundHint::PendingHintDelay() const {
  if (!showTimer_->isActive()) return std::nullopt;
  return showTimer_->interval();
}

void TSoundHint::ScheduleHint(QWidget* control) {
  const bool reading = window_->isVisible() || (sinceHidden_.isValid() && sinceHidden_.elapsed() < Pause);
  pending_ = control;
  showTimer_->start(reading ? ShortPause : Pause);
}

void TSoundHint::CancelHint() {
  showTimer_->stop();
  pending_ = nullptr;
}

void TSoundHint::ShowPendingHint() {
  if (pending_ && pending_->isVisible()) ShowHint(pending_->toolTip(), QCursor::pos() + QPoint(0, 20));
  pending_ = nullptr;
}

bool TSoundHint::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return false;
  switch (event->type()) {
    case QEvent::ToolTip:
      return true;  // the hints keep their own delays
    case QEvent::Enter:
      if (!widget->toolTip().isEmpty()) ScheduleHint(widget);
      break;
    case QEvent::Leave:
      if (widget == pending_) CancelHint();
      HideHint();
      break;
    case QEvent::MouseButtonPress:
      CancelHint();
      HideHint();
      break;
    default:
      break;
  }
  return false;
}

bool TSoundHint::ApplyInterfaceParam(std::string_view name, std::string_view, std::optional<int> number) {
  if (!number) return false;
  if (name == "HINTBGCOLOR")
    HintBgColor = ColorFromNumber(*number);
  else if (name == "HINTTEXTCOLOR")
    HintTextColor = ColorFromNumber(*number);
  else
    return false;
  return true;
}

// A hint that comes up over the next control must not take the click meant
// for it: the X server passes the pointer through the hint's window.
TSoundHintWindow::TSoundHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput) {
  setObjectName("SoundHintWindow");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TSoundHintWindow::ShowText(const QString& text, QPoint at, const TSoundHint& style) {
  text_ = text;
  font_ = style.Font;
  textColour_ = style.HintTextColor;
  const QRect textRect = QFontMetrics(font_).boundingRect(QRect(0, 0, kMaxHintWidth, 10000), Qt::TextWordWrap, text);
  const double k = std::max(style.Coefficient, 1.0);
  const QSize size(static_cast<int>(Round(textRect.width() * k)), static_cast<int>(Round(textRect.height() * k)));
  QScreen* screen = QGuiApplication::screenAt(at);
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QPoint corner = PlaceHint(size, at, screen->geometry(), QCursor::pos());
  const QImage beneath = screen->grabWindow(0, corner.x(), corner.y(), size.width(), size.height()).toImage();
  Picture picture = beneath.size() == size ? FromQImage(beneath) : Picture(size.width(), size.height());
  PaintGlow(picture, ColourValueOf(style.HintBgColor));
  glow_ = ToQImage(picture);
  setGeometry(QRect(corner, size));
  show();
  raise();
  update();
}

void TSoundHintWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, glow_);
  painter.setFont(font_);
  painter.setPen(textColour_);
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text_);
}

}  // namespace lumena
