#pragma once
// The program's hint window: the hint's words in a soft elliptical glow over
// the screen, and an optional sound ("words@file.wav").
#include <QElapsedTimer>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>

#include "interface/ui/interface_param_target.h"

class QMediaPlayer;
class QAudioOutput;
class QTimer;

namespace lumena {

class TSoundHintWindow;

class TSoundHint : public QObject, public InterfaceParamTarget {
  Q_OBJECT

 public:
  explicit TSoundHint(QObject* parent = nullptr);
  ~TSoundHint() override;

  QString Delimiter = "@";
  QColor HintBgColor = QColor(75, 155, 155);
  QColor HintTextColor = QColor(0, 0, 128);
  QFont Font = QFont("Arial", 9);
  double Coefficient = 2.0;
  int Pause = 500;       // before a hint shows
  int ShortPause = 50;   // before the next one shows, while hints are being read
  int HidePause = 5000;  // before a shown hint goes
  QString PathForWave;   // empty: the program's folder
  QString ProgramFolder;
  QMediaPlayer* BgPlayer = nullptr;
  bool SoundEnabled = true;
  bool SoundAfter = true;

  // Hints are not shown while a slider is dragged.
  static void SetSuppressed(bool suppressed);
  static bool Suppressed();

  // Shows a hint string at a screen point; the sound part is played.
  void ShowHint(const QString& hint, QPoint at);
  // The delay before the hint of the control the pointer is on shows;
  // nothing when no hint waits.
  std::optional<int> PendingHintDelay() const;
  void HideHint();
  TSoundHintWindow* Window() const { return window_; }
  QMediaPlayer* Player() const { return MyPlayer_; }
  // The file a hint string plays, if any.
  std::optional<QString> FindSoundFile(const QString& hint) const;

  bool ApplyInterfaceParam(std::string_view upperName, std::string_view value, std::optional<int> number) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaySound(const QString& file);
  void ScheduleHint(QWidget* control);
  void CancelHint();
  void ShowPendingHint();
  QMediaPlayer* MyPlayer_;
  QAudioOutput* audio_;
  TSoundHintWindow* window_;
  QTimer* hideTimer_;
  QTimer* showTimer_;
  QPointer<QWidget> pending_;
  // Since a shown hint went away: the next comes after ShortPause for a while.
  QElapsedTimer sinceHidden_;
};

class TSoundHintWindow : public QWidget {
  Q_OBJECT

 public:
  TSoundHintWindow();
  // Sizes, places and shows the window for the words at a screen point.
  void ShowText(const QString& text, QPoint at, const TSoundHint& style);
  QString Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QFont font_;
  QColor textColour_;
  QImage glow_;
};

}  // namespace lumena
