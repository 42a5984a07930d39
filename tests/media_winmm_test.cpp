// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows only: the sound layer's winmm back end.
#include "program_folder.h"
#include "sound.h"
#include "winmm.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct PlaySoundCall {
    QString sound;
    void* module;
    unsigned long flags;
};
QList<PlaySoundCall> calls;

int recordPlaySound(const wchar_t* sound, void* module, unsigned long flags) {
    calls.append({QString::fromWCharArray(sound), module, flags});
    return FALSE;
}

} // namespace

class MediaWinmmTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        calls.clear();
        media::effectLog().clear();
    }
    void cleanup() {
        media::setProgramFolder({});
        media::soundOn = false;
    }

    // PlaySound gets the file's whole path, wide, with no module and the synchronous flags; a
    // switched-off program makes no call at all.
    void playSoundGetsThePathAndSynchronousFlags_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sound"); // empty: no call
        QTest::newRow("program folder") << true << "C:\\Kartavo"
                                        << "keveres.wav"
                                        << "C:\\Kartavo\\keveres.wav";
        QTest::newRow("drive root") << true << "D:\\"
                                    << "nyert.wav"
                                    << "D:\\\\nyert.wav";
        QTest::newRow("accented folder")
            << true << QStringLiteral("C:\\Játékok\\Kártya őrző") << "ok.wav"
            << QStringLiteral("C:\\Játékok\\Kártya őrző\\ok.wav");
        QTest::newRow("switched off") << false << "C:\\Kartavo"
                                      << "start.wav" << QString();
    }
    void playSoundGetsThePathAndSynchronousFlags() {
        QFETCH(bool, on);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, sound);
        const media::PlaySoundFunction system = media::playSoundFunction();
        media::playSoundFunction() = recordPlaySound;
        media::setProgramFolder(folder);
        media::soundOn = on;
        media::playEffect(file);
        media::playSoundFunction() = system;
        if (sound.isEmpty()) {
            QCOMPARE(calls.size(), 0);
            return;
        }
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].sound, sound);
        QCOMPARE(calls[0].module, nullptr);
        QCOMPARE(calls[0].flags,
                 static_cast<unsigned long>(SND_FILENAME | SND_SYNC | SND_NODEFAULT));
    }

    // The real call, where no sound can be played (Wine without a sound card) and for a missing
    // file: it returns and the game goes on, and the next sound is still asked for.
    void unplayableSoundReturns() {
        QTemporaryDir dir;
        QFile wav(dir.filePath("ok.wav"));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        // A mono 8-bit WAV of 2205 frames at 22050 Hz: a tenth of a second of silence.
        QByteArray bytes("RIFF\xc1\x08\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x22\x56\0\0"
                         "\x01\0\x08\0data\x9d\x08\0\0",
                         44);
        bytes.append(2205, '\x80');
        wav.write(bytes);
        wav.close();
        media::setProgramFolder(dir.path());
        media::soundOn = true;
        media::playEffect("ok.wav");
        media::playEffect("nincs.wav");
        QCOMPARE(media::effectLog(), (QStringList{"ok.wav", "nincs.wav"}));
    }
};

QTEST_GUILESS_MAIN(MediaWinmmTest)
#include "media_winmm_test.moc"
