// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder, the sound layer, pictures and cursors, the generated media and the
// atomic file replace.
#include "file_replace.h"
#include "pictures.h"
#include "program_folder.h"
#include "sound.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <cstdio>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

QString diskOutput() {
    return qEnvironmentVariable("SDL_DISKAUDIOFILE");
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// A picture of the given size and format, drawn with some detail so that a cut shows.
QByteArray pictureBytes(QSize size, const char* format) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A mono 16-bit WAV whose samples count up, so that they can be found in the output.
[[maybe_unused]] QByteArray rampWav(int frames) {
    QByteArray pcm;
    for (int i = 0; i < frames; ++i) {
        char b[2];
        qToLittleEndian<qint16>(static_cast<qint16>(i * 7 - 20000), b);
        pcm.append(b, 2);
    }
    QByteArray wav("RIFF");
    auto u32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto u16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    u32(36 + static_cast<quint32>(pcm.size()));
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(22050);
    u32(44100);
    u16(2);
    u16(16);
    wav.append("data");
    u32(static_cast<quint32>(pcm.size()));
    return wav + pcm;
}

} // namespace

class MediaTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        media::setProgramFolder({});
        media::soundOn = false;
        media::effectLog().clear();
        QFile::remove(diskOutput());
    }

    void programFolderIsTheExecutablesFolder() {
        QDir::setCurrent(QDir::tempPath());
        QCOMPARE(media::programFolder(),
                 QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
        QCOMPARE(media::mediaPath("As.bmp"),
                 media::programFolder() + QDir::separator() + QStringLiteral("As.bmp"));
        // A root folder still gets the platform's separator.
#ifdef Q_OS_WIN
        media::setProgramFolder("C:\\");
        QCOMPARE(media::mediaPath("As.bmp"), QStringLiteral("C:\\\\As.bmp"));
#else
        media::setProgramFolder("/");
        QCOMPARE(media::mediaPath("As.bmp"), QStringLiteral("//As.bmp"));
#endif
    }

    void mediaPathAlwaysInsertsTheSeparator_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder") << "/opt/kartavo" << QChar('/') << "/opt/kartavo/As.bmp";
        QTest::newRow("root") << "/" << QChar('/') << "//As.bmp";
        QTest::newRow("drive root") << "C:\\" << QChar('\\') << "C:\\\\As.bmp";
        QTest::newRow("windows folder") << "C:\\Games" << QChar('\\') << "C:\\Games\\As.bmp";
    }
    void mediaPathAlwaysInsertsTheSeparator() {
        QFETCH(QString, folder);
        QFETCH(QChar, separator);
        QFETCH(QString, path);
        QCOMPARE(media::joinMediaPath(folder, QStringLiteral("As.bmp"), separator), path);
    }

    void everyMediaFileIsThere_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        for (QChar suit : QStringLiteral("cdhs"))
            for (QChar rank : QStringLiteral("023456789JQKA"))
                QTest::addRow("%s", qPrintable(QString(rank) + suit + ".bmp"))
                    << QString(rank) + suit + ".bmp" << QByteArray("bmp") << QSize(71, 96);
        QTest::newRow("joker") << "Jk.bmp" << QByteArray("bmp") << QSize(71, 96);
        for (int d = 0; d < 8; ++d)
            QTest::addRow("hat%d", d)
                << QStringLiteral("hat%1.bmp").arg(d) << QByteArray("bmp") << QSize(71, 96);
        QTest::newRow("hatlap") << "hatlap.bmp" << QByteArray("bmp") << QSize(71, 96);
        for (int n = 1; n <= 8; ++n)
            QTest::addRow("casino%d", n)
                << QStringLiteral("casino%1.jpg").arg(n) << QByteArray("jpeg") << QSize(330, 225);
        QTest::newRow("splash") << "splash.jpg" << QByteArray("jpeg") << QSize(501, 341);
        QTest::newRow("splash2") << "splash2.jpg" << QByteArray("jpeg") << QSize(501, 341);
        QTest::newRow("splash in English")
            << "splash.en.jpg" << QByteArray("jpeg") << QSize(501, 341);
        QTest::newRow("splash2 in English")
            << "splash2.en.jpg" << QByteArray("jpeg") << QSize(501, 341);
        for (const char* name :
             {"mroyal.jpg", "mflos.jpg", "mpoker.jpg", "mfull.jpg", "mszfloss.jpg", "msor.jpg",
              "mdrill.jpg", "mketpar.jpg", "mpar.jpg"})
            QTest::newRow(name) << QString::fromLatin1(name) << QByteArray("jpeg")
                                << QSize(190, 110);
    }
    void everyMediaFileIsThere() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QImageReader reader(media::mediaPath(name));
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), size);
        QVERIFY(!reader.read().isNull());
        // Beside it, its twin for dense displays; the back in force has none, it borrows the
        // twin of its design.
        const QString twin = media::twinPath(media::mediaPath(name));
        if (name == QStringLiteral("hatlap.bmp")) {
            QVERIFY(!QFile::exists(twin));
            return;
        }
        QImageReader twinReader(twin);
        QCOMPARE(twinReader.format(), format);
        QCOMPARE(twinReader.size(), size * 2);
        QVERIFY(!twinReader.read().isNull());
    }

    void soundsAreShortPcmWavs_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("maxSeconds");
        for (const char* name : {"keveres.wav", "szorzo.wav", "options.wav", "nyert.wav",
                                 "semmi.wav", "ok.wav", "kilepes.wav"})
            QTest::newRow(name) << QString::fromLatin1(name) << 1.5;
        QTest::newRow("start.wav") << "start.wav" << 2.5;
    }
    void soundsAreShortPcmWavs() {
        QFETCH(QString, name);
        QFETCH(double, maxSeconds);
        const QByteArray wav = readAll(media::mediaPath(name));
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1)); // PCM
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 34), quint16(16));
        const auto rate = qFromLittleEndian<quint32>(wav.constData() + 24);
        const auto bytes = qFromLittleEndian<quint32>(wav.constData() + 40);
        const double seconds = double(bytes) / (2.0 * rate);
        QVERIFY(seconds > 0.05 && seconds <= maxSeconds);
    }

    // A picture with words in the language in force; a language without pictures of its own
    // takes the English ones, and a picture without words is the same in every language.
    void pictureInTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Hungarian") << "hu"
                                   << "splash.jpg"
                                   << "splash.jpg";
        QTest::newRow("English") << "en"
                                 << "splash2.jpg"
                                 << "splash2.en.jpg";
        QTest::newRow("German") << "de"
                                << "splash.jpg"
                                << "splash.en.jpg";
        QTest::newRow("no words") << "en"
                                  << "casino1.jpg"
                                  << "casino1.jpg";
        QTest::newRow("design") << "en"
                                << ":/design/board_reward.jpg"
                                << ":/design/board_reward.en.jpg";
    }
    void pictureInTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        const auto path = [](const QString& n) {
            return n.startsWith(':') ? n : media::mediaPath(n);
        };
        media::setPictureLanguage(language);
        const QString chosen = media::inPictureLanguage(path(name));
        media::setPictureLanguage(QStringLiteral("hu"));
        QCOMPARE(chosen, path(shown));
    }

    void cursorsHaveTheirHotspotAtTheFingertip_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("scale");
        for (const char* name : {"hand.cur", "handk.cur"}) {
            QTest::addRow("%s", name) << QString::fromLatin1(name) << 1;
            QTest::addRow("%s twin", name) << media::twinPath(QString::fromLatin1(name)) << 2;
        }
    }
    void cursorsHaveTheirHotspotAtTheFingertip() {
        QFETCH(QString, file);
        QFETCH(int, scale);
        const media::CursorImage c = media::readCursorFile(media::mediaPath(file));
        QCOMPARE(c.image.size(), QSize(32, 32) * scale);
        QCOMPARE(c.hotspot, QPoint(9, 1) * scale);
        // The finger is there, the corner is clear.
        QVERIFY(qAlpha(c.image.pixel(c.hotspot + QPoint(0, scale))) > 0);
        QCOMPARE(qAlpha(c.image.pixel(32 * scale - 1, 0)), 0);
    }

    // A dense display takes the twin, with the hotspot given in window pixels as before.
    void cursorIsLoadedForTheDisplay_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1") << 1.0 << QSize(32, 32);
        QTest::newRow("1.5") << 1.5 << QSize(64, 64);
        QTest::newRow("2") << 2.0 << QSize(64, 64);
    }
    void cursorIsLoadedForTheDisplay() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QCursor cursor = media::loadCursor(media::mediaPath("hand.cur"), ratio);
        QCOMPARE(cursor.pixmap().size(), pixels);
        QCOMPARE(cursor.pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(cursor.hotSpot(), QPoint(9, 1));
    }

    void missingPictureIsReportedOnce() {
        QStringList reported;
        const auto old = media::setMissingFileHandler([&](const QString& p) { reported << p; });
        QVERIFY(media::loadPicture("").isNull());
        QVERIFY(reported.isEmpty()); // the empty path touches no file
        QVERIFY(media::loadPicture("/nonexistent/x.bmp").isNull());
        media::loadCursor("/nonexistent/x.cur");
        media::loadCursor(media::mediaPath("As.bmp")); // not a cursor
        media::setMissingFileHandler(old);
        QCOMPARE(reported, QStringList({"/nonexistent/x.bmp", "/nonexistent/x.cur",
                                        media::mediaPath("As.bmp")}));
        QVERIFY(media::missingFileMessage("/x/y.jpg").contains("/x/y.jpg"));
        QVERIFY(media::missingFileMessage("/x/y.jpg").contains(media::programFolder()));
    }

    // A picture read only in part is no picture; one of any size is.
    void pictureIsReadWholeOrNotAtAll_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("readable");
        const QByteArray bmp = pictureBytes({71, 96}, "BMP");
        const QByteArray jpg = pictureBytes({330, 225}, "JPG");
        QTest::newRow("whole bmp") << bmp << "bmp" << true;
        QTest::newRow("bmp cut to its header") << bmp.left(54) << "bmp" << false;
        QTest::newRow("bmp cut in half") << bmp.left(bmp.size() / 2) << "bmp" << false;
        QTest::newRow("bmp short of a byte") << bmp.left(bmp.size() - 1) << "bmp" << false;
        QTest::newRow("whole jpg") << jpg << "jpg" << true;
        QTest::newRow("jpg cut in half") << jpg.left(jpg.size() / 2) << "jpg" << false;
        QTest::newRow("jpg short of its last data") << jpg.left(jpg.size() - 200) << "jpg" << false;
        QTest::newRow("garbage") << QByteArray(5000, '\x5a') << "bmp" << false;
        QTest::newRow("empty") << QByteArray() << "jpg" << false;
        QTest::newRow("1 x 1 bmp") << pictureBytes({1, 1}, "BMP") << "bmp" << true;
        QTest::newRow("4000 x 4000 jpg") << pictureBytes({4000, 4000}, "JPG") << "jpg" << true;
    }
    void pictureIsReadWholeOrNotAtAll() {
        QFETCH(QByteArray, content);
        QFETCH(QString, suffix);
        QFETCH(bool, readable);
        QTemporaryDir dir;
        const QString path = dir.filePath("picture." + suffix);
        QVERIFY(writeFile(path, content));
        QString why;
        const QImage image = media::readPicture(path, &why);
        QCOMPARE(!image.isNull(), readable);
        QCOMPARE(why.isEmpty(), readable);
        QStringList reported;
        const auto old = media::setMissingFileHandler([&](const QString& p) { reported << p; });
        const QPixmap shown = media::loadPicture(path);
        media::setMissingFileHandler(old);
        QCOMPARE(reported, readable ? QStringList() : QStringList{path});
        if (readable)
            QCOMPARE(shown.size(), image.size());
    }

    void cutCursorIsNoCursor() {
        QTemporaryDir dir;
        const QByteArray cursor = readAll(media::mediaPath("hand.cur"));
        const QString path = dir.filePath("hand.cur");
        QVERIFY(writeFile(path, cursor.left(cursor.size() * 2 / 3)));
        QVERIFY(media::readCursorFile(path).image.isNull());
    }

    // Only the copy's own temporary files go; anything else that looks alike stays.
    void leftoversOfTheCopyAreRemoved_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("letters") << "hatlap.bmp.qWeRtY" << true;
        QTest::newRow("letters and digits") << "hatlap.bmp.a1B2c3" << true;
        QTest::newRow("hidden-looking") << "hatlap.bmp.XXXXXX" << true;
        QTest::newRow("the back itself") << "hatlap.bmp" << false;
        QTest::newRow("five characters") << "hatlap.bmp.abcde" << false;
        QTest::newRow("seven characters") << "hatlap.bmp.abcdefg" << false;
        QTest::newRow("a backup") << "hatlap.bmp.bak" << false;
        QTest::newRow("a dash") << "hatlap.bmp.ab-cde" << false;
        QTest::newRow("no dot") << "hatlap.bmpXabcdef" << false;
        QTest::newRow("a design's name") << "hat3.bmp.abcdef" << false;
        QTest::newRow("other case") << "HATLAP.BMP.abcdef" << false;
        QTest::newRow("prefixed") << "xhatlap.bmp.abcdef" << false;
    }
    void leftoversOfTheCopyAreRemoved() {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("hatlap.bmp"), "back"));
        QVERIFY(writeFile(dir.filePath(name), "content"));
        QVERIFY(QDir(dir.path()).mkdir("hatlap.bmp.folder")); // a folder is no leftover
        QCOMPARE(media::removeLeftovers(dir.path(), "hatlap.bmp"), removed ? 1 : 0);
        QCOMPARE(QFile::exists(dir.filePath(name)), !removed);
        QCOMPARE(readAll(dir.filePath("hatlap.bmp")), name == "hatlap.bmp" ? "content" : "back");
        QVERIFY(QFileInfo(dir.filePath("hatlap.bmp.folder")).isDir());
    }

#ifndef Q_OS_WIN
    // Not on Windows: its folders are made read-only by access control lists, which Wine does not
    // enforce (a folder's read-only attribute does not stop changes in it).
    void leftoversInAReadOnlyFolderStay() {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("hatlap.bmp.abcdef"), "left"));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool writable = QFile(dir.filePath("probe")).open(QIODevice::WriteOnly);
        if (writable) {
            QFile::remove(dir.filePath("probe"));
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
            QSKIP("running as root: a read-only folder is still writable");
        }
        QCOMPARE(media::removeLeftovers(dir.path(), "hatlap.bmp"), 0);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QVERIFY(QFile::exists(dir.filePath("hatlap.bmp.abcdef")));
    }
#endif

    void effectLogKeepsOnlyTheLatest() {
        QTemporaryDir dir;
        media::setProgramFolder(dir.path()); // no sound files: nothing is played
        media::soundOn = true;
        for (int i = 0; i < 1500; ++i)
            media::playEffect(QStringLiteral("%1.wav").arg(i));
        QCOMPARE(media::effectLog().size(), 1000);
        QCOMPARE(media::effectLog().first(), QStringLiteral("500.wav"));
        QCOMPARE(media::effectLog().last(), QStringLiteral("1499.wav"));
    }

#ifndef Q_OS_WIN
    // SDL's back end, through its disk driver, on Linux; Windows plays through winmm, which
    // media_winmm_test checks.
    void playedSamplesReachTheDeviceBeforeReturn() {
        QTemporaryDir dir;
        QFile wav(dir.filePath("ramp.wav"));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        const QByteArray content = rampWav(6000);
        wav.write(content);
        wav.close();
        media::setProgramFolder(dir.path());
        media::soundOn = true;
        media::playEffect("ramp.wav");
        const QByteArray out = readAll(diskOutput());
        const QByteArray samples = content.mid(44);
        QVERIFY2(out.contains(samples), qPrintable(QString::number(out.size())));
        QCOMPARE(media::effectLog(), QStringList{"ramp.wav"});
    }

    void switchedOffMakesNoAudioCall() {
        media::soundOn = false;
        media::playEffect("start.wav");
        QVERIFY(media::effectLog().isEmpty());
        QVERIFY(!QFile::exists(diskOutput())); // the device was never opened
    }

    // Without a sound card ALSA would write its complaints to the terminal at every sound.
    void soundLibrariesKeepTheTerminalQuiet() {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "alsa");
        QTemporaryFile captured;
        QVERIFY(captured.open());
        std::fflush(stderr);
        const int terminal = dup(STDERR_FILENO);
        dup2(captured.handle(), STDERR_FILENO);
        media::soundOn = true;
        media::playEffect("ok.wav");
        std::fflush(stderr);
        dup2(terminal, STDERR_FILENO);
        close(terminal);
        qputenv("SDL_AUDIODRIVER", driver);
        QCOMPARE(readAll(captured.fileName()), QByteArray());
    }

    void missingSoundIsSilent() {
        media::soundOn = true;
        media::playEffect("nincs.wav");
        QVERIFY(!QFile::exists(diskOutput()));
        media::playEffect("ok.wav"); // and the next sound still plays
        QVERIFY(QFile::exists(diskOutput()));
    }
#endif

    void replaceFileSwapsTheWholeFile() {
        QTemporaryDir dir;
        const QString source = dir.filePath("hat3.bmp"), target = dir.filePath("hatlap.bmp");
        {
            QFile s(source), t(target);
            QVERIFY(s.open(QIODevice::WriteOnly) && t.open(QIODevice::WriteOnly));
            s.write(QByteArray(5000, 'n'));
            t.write("old");
        }
        QVERIFY(media::replaceFile(source, target));
        QCOMPARE(readAll(target), QByteArray(5000, 'n'));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary left
    }

    void failedReplaceLeavesTheTarget_data() {
        QTest::addColumn<bool>("sourceMissing");
        QTest::addColumn<bool>("folderReadOnly");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("design file missing") << true << false << false;
#ifndef Q_OS_WIN
        // Not on Windows: a read-only folder (access control lists there, which Wine does not
        // enforce), and a file size limit (POSIX) that stands in for a full disk.
        QTest::newRow("folder read-only") << false << true << false;
        QTest::newRow("disk full") << false << false << true;
#endif
    }
    void failedReplaceLeavesTheTarget() {
        QFETCH(bool, sourceMissing);
        QFETCH(bool, folderReadOnly);
        QFETCH(bool, diskFull);
        QTemporaryDir dir;
        const QString source = dir.filePath("hat3.bmp"), target = dir.filePath("hatlap.bmp");
        {
            QFile t(target);
            QVERIFY(t.open(QIODevice::WriteOnly));
            t.write("old back");
        }
        if (!sourceMissing) {
            QFile s(source);
            QVERIFY(s.open(QIODevice::WriteOnly));
            s.write(QByteArray(100000, 'n'));
        }
        if (folderReadOnly) {
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (QFileInfo(dir.path()).isWritable() ||
                QFile(dir.filePath("probe")).open(QIODevice::WriteOnly)) {
                QFile::remove(dir.filePath("probe"));
                QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
                QSKIP("running as root: a read-only folder is still writable");
            }
        }
#ifndef Q_OS_WIN
        // A file size limit makes the write fail as a full disk would, also for root.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        if (diskFull) {
            signal(SIGXFSZ, SIG_IGN);
            rlimit small = old;
            small.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &small);
        }
#else
        Q_UNUSED(diskFull);
#endif
        QString why;
        const bool copied = media::replaceFile(source, target, &why);
#ifndef Q_OS_WIN
        setrlimit(RLIMIT_FSIZE, &old);
#endif
        QVERIFY(!copied);
        QVERIFY(!why.isEmpty());
        QVERIFY2(!why.contains("Unknown error"), qPrintable(why));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QCOMPARE(readAll(target), QByteArray("old back"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), sourceMissing ? 1 : 2);
    }
};

QTEST_MAIN(MediaTest)
#include "media_test.moc"
