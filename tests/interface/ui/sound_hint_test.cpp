// The hint delays and the hint sounds against the music.
#include "interface/ui/sound_hint.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMediaPlayer>
#include <QTest>
#include <QWidget>
#include <fstream>

#include "support/temp_folder.h"

namespace lumena {
namespace {

void SendEvent(QWidget& widget, QEvent::Type type) {
  QEvent event(type);
  QApplication::sendEvent(&widget, &event);
}

TEST(SoundHintDelays, FirstHintWaitsThePauseAndTheNextOnlyTheShortPause) {
  TSoundHint hint;
  QWidget first, second;
  first.setToolTip("First");
  second.setToolTip("Second");
  // Away from the pointer, so only the test's own events reach them.
  QCursor::setPos(0, 0);
  first.setGeometry(400, 400, 50, 50);
  second.setGeometry(600, 400, 50, 50);
  first.show();
  second.show();
  SendEvent(first, QEvent::Enter);
  EXPECT_EQ(hint.PendingHintDelay(), 500);
  EXPECT_FALSE(hint.Window()->isVisible());
  QTRY_VERIFY_WITH_TIMEOUT(hint.Window()->isVisible(), 10000);
  EXPECT_EQ(hint.Window()->Text(), "First");

  SendEvent(first, QEvent::Leave);
  EXPECT_FALSE(hint.Window()->isVisible());
  SendEvent(second, QEvent::Enter);
  EXPECT_EQ(hint.PendingHintDelay(), 50) << "moving on while reading hints";
  QTRY_COMPARE_WITH_TIMEOUT(hint.Window()->Text(), QString("Second"), 10000);
}

TEST(SoundHintDelays, LeavingOrPressingCancelsTheWaitingHint) {
  TSoundHint hint;
  QWidget control;
  control.setToolTip("Words");
  QCursor::setPos(0, 0);
  control.setGeometry(400, 400, 50, 50);
  control.show();
  SendEvent(control, QEvent::Enter);
  SendEvent(control, QEvent::Leave);
  EXPECT_EQ(hint.PendingHintDelay(), std::nullopt);
  SendEvent(control, QEvent::Enter);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&control, &press);
  EXPECT_EQ(hint.PendingHintDelay(), std::nullopt);
}

// A mono 16-bit wave of silence.
void WriteWave(const std::filesystem::path& file, int milliseconds) {
  const uint32_t rate = 8000, samples = rate * milliseconds / 1000, dataSize = samples * 2;
  std::ofstream out(file, std::ios::binary);
  auto u32 = [&out](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&out](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + dataSize);
  out << "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
  out << "data";
  u32(dataSize);
  out << std::string(dataSize, '\0');
}

TEST(SoundHintSounds, ANewHintSoundDoesNotBringTheMusicBack) {
  testing::TempFolder program;
  WriteWave(program / "one.wav", 300);
  WriteWave(program / "two.wav", 300);
  WriteWave(program / "music.wav", 5000);
  QMediaPlayer music;
  music.setSource(QUrl::fromLocalFile(QString::fromStdString((program / "music.wav").string())));
  music.play();
  TSoundHint hint;
  hint.PathForWave = QString::fromStdString(program.Path().string());
  hint.BgPlayer = &music;

  hint.ShowHint("One@one.wav", QPoint(10, 10));
  EXPECT_NE(music.playbackState(), QMediaPlayer::PlayingState);
  QTRY_COMPARE_WITH_TIMEOUT(hint.Player()->playbackState(), QMediaPlayer::PlayingState, 10000);
  hint.ShowHint("Two@two.wav", QPoint(10, 10));
  QTRY_COMPARE_WITH_TIMEOUT(hint.Player()->playbackState(), QMediaPlayer::PlayingState, 10000);
  EXPECT_NE(music.playbackState(), QMediaPlayer::PlayingState) << "the first sound was cut, not ended";
  QTRY_COMPARE_WITH_TIMEOUT(music.playbackState(), QMediaPlayer::PlayingState, 10000);
  EXPECT_EQ(hint.Player()->mediaStatus(), QMediaPlayer::EndOfMedia);
}

}  // namespace
}  // namespace lumena
