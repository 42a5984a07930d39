// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the chosen card back is kept, driven through the windows: in the program folder where
// the player can write it, else in the player's own data folder, whose back then wins. Runs as
// an ordinary user (see as_player.sh), for whom a folder without write permission is one. On
// Windows the unwritable place is a read-only file: Windows enforces a file's read-only
// attribute for every user, while a folder's does not stop new files, and the access control
// lists that do are not enforced by Wine, which runs these tests as root here.
#include "board.h"
#include "card_back.h"
#include "options.h"
#include "picture_box.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <memory>

namespace {

using Contents = QMap<QString, QByteArray>;

// Every file of a folder with its bytes; an absent folder has none.
Contents contents(const QString& folder) {
    Contents files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        files[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
    }
    return files;
}

const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

const QFile::Permissions readOnlyFile = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

// Takes the write permission away and proves it: true only when a new file cannot be made.
bool makeReadOnly(const QString& folder) {
    QFile::setPermissions(folder, readOnly);
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}

// Marks a file read-only and proves it: by a refused write, or on Windows by the attribute that
// Windows enforces for every user (Wine lets root write anyway).
bool makeFileReadOnly(const QString& path) {
    QFile::setPermissions(path, readOnlyFile);
#ifdef Q_OS_WIN
    return !QFileInfo(path).isWritable();
#else
    return !QFile(path).open(QIODevice::ReadWrite);
#endif
}

} // namespace

class CardBackTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;
    QStringList lockedFolders;
    QStringList lockedFiles;

    QString programFolder() const { return QFileInfo(folder->path("hatlap.bmp")).absolutePath(); }
    QString playerFolder() const { return QFileInfo(media::playerCardBackPath()).absolutePath(); }
    bool lock(const QString& dir) {
        lockedFolders << dir;
        return makeReadOnly(dir);
    }
    bool lockFile(const QString& path) {
        lockedFiles << path;
        return makeFileReadOnly(path);
    }
    controls::PictureBox* card(int i) const {
        return control<controls::PictureBox>(table, QStringLiteral("Picture1_%1").arg(i));
    }
    QImage shown(int i) const {
        return card(i)->picture().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void openTableAndDeal() {
        table = shell::openTable(std::make_unique<ScriptedRandom>(
            std::vector<std::string>({"As", "Kd", "0h", "2c", "7s"})));
        table->show();
        click(control<QPushButton>(table, "Command1"));
    }
    // Picks a design on the backs page and presses OK.
    void chooseBack(int design) {
        click(control<QPushButton>(table, "Command6"));
        options* dialog = table->optionsWindow();
        click(control<QPushButton>(dialog, "SSTab1_Tab0"));
        click(control<controls::PictureBox>(dialog, QStringLiteral("Picture1_%1").arg(design)));
        click(control<QPushButton>(dialog, "Command1"));
    }
    void givePlayerBack(int design) {
        QVERIFY(QDir().mkpath(playerFolder()));
        QVERIFY(QFile::copy(folder->path(QStringLiteral("hat%1.bmp").arg(design)),
                            media::playerCardBackPath()));
    }

  private slots:
    void init() { folder = std::make_unique<MediaFolder>(); }
    void cleanup() {
        for (const QString& dir : std::as_const(lockedFolders))
            QFile::setPermissions(dir, readOnly | QFile::WriteOwner);
        lockedFolders.clear();
        for (const QString& file : std::as_const(lockedFiles))
            QFile::setPermissions(file, readOnlyFile | QFile::WriteOwner);
        lockedFiles.clear();
        folder.reset();
    }

    void okKeepsTheChosenBackWhereTheNextMarkFindsIt_data() {
        QTest::addColumn<QString>("programFolderState");
        QTest::addColumn<bool>("playerBackPresent");
        QTest::addColumn<bool>("writesPlayerBack");
        QTest::newRow("writable folder, no own back") << "writable" << false << false;
        QTest::newRow("writable folder, own back") << "writable" << true << true;
#ifndef Q_OS_WIN
        // Not on Windows: a folder is made read-only by access control lists there, which Wine
        // does not enforce (its read-only attribute does not stop new files).
        QTest::newRow("read-only folder, no own back") << "read-only" << false << true;
        QTest::newRow("read-only folder, own back") << "read-only" << true << true;
#endif
        QTest::newRow("read-only back file, no own back") << "read-only back" << false << true;
    }
    void okKeepsTheChosenBackWhereTheNextMarkFindsIt() {
        QFETCH(QString, programFolderState);
        QFETCH(bool, playerBackPresent);
        QFETCH(bool, writesPlayerBack);
        if (playerBackPresent)
            givePlayerBack(2);
        const Contents programBefore = contents(programFolder());
        if (programFolderState == "read-only")
            QVERIFY2(lock(programFolder()), "the program folder stays writable for this user");
        if (programFolderState == "read-only back")
            QVERIFY2(lockFile(folder->path("hatlap.bmp")), "the back stays writable for this user");

        openTableAndDeal();
        click(card(0));
        QCOMPARE(shown(0),
                 imageOfFile(folder->path(playerBackPresent ? "hat2.bmp" : "hatlap-before.bmp")));
        chooseBack(5);
        QVERIFY(!table->optionsWindow()->findChild<QMessageBox*>("copyFailure"));
        QVERIFY(!table->optionsWindow()->isVisible());
        click(card(1));
        QCOMPARE(shown(1), imageOfFile(folder->path("hat5.bmp")));
        QCOMPARE(shown(0),
                 imageOfFile(folder->path(playerBackPresent ? "hat2.bmp" : "hatlap-before.bmp")));

        // The one file written holds the design; nothing else changed, no temporary file left.
        Contents programExpected = programBefore;
        Contents playerExpected;
        if (writesPlayerBack)
            playerExpected["hatlap.bmp"] = folder->read("hat5.bmp");
        else
            programExpected["hatlap.bmp"] = folder->read("hat5.bmp");
        QCOMPARE(contents(programFolder()), programExpected);
        QCOMPARE(contents(playerFolder()), playerExpected);
        QCOMPARE(media::cardBackPath(),
                 writesPlayerBack ? media::playerCardBackPath() : folder->path("hatlap.bmp"));
    }

    // Where the player's own back lives for the program, which is named Kartavo: the folder the
    // platform keeps a program's data in for the player (%APPDATA%\Kartavo on Windows).
    void playerBackIsInThePlayersDataFolder() {
        const QString testName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("Kartavo"));
        QStandardPaths::setTestModeEnabled(false);
        const QString path = media::playerCardBackPath();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(testName);
#ifdef Q_OS_WIN
        const QString data = qEnvironmentVariable("APPDATA");
#else
        const QString data = qEnvironmentVariable(
            "XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
#endif
        QVERIFY(!data.isEmpty());
        QCOMPARE(path, QDir::toNativeSeparators(data + QStringLiteral("/Kartavo/hatlap.bmp")));
    }

    void failedWriteKeepsTheBackInForce_data() {
        QTest::addColumn<bool>("playerBackPresent");
        QTest::newRow("no data folder can be made") << false;
        QTest::newRow("own back cannot be replaced") << true;
    }
    void failedWriteKeepsTheBackInForce() {
        QFETCH(bool, playerBackPresent);
        if (playerBackPresent) {
            // The player's own back wins, and it cannot be replaced where it is: Windows replaces
            // no read-only file, elsewhere a folder that takes no new file is needed.
            givePlayerBack(3);
#ifdef Q_OS_WIN
            QVERIFY(lockFile(media::playerCardBackPath()));
#else
            QVERIFY(lock(playerFolder()));
#endif
        } else {
            // The back in force cannot be replaced, and a file stands where the player's data
            // folder would be made.
            QVERIFY(lockFile(folder->path("hatlap.bmp")));
            QVERIFY(QDir().mkpath(QFileInfo(playerFolder()).absolutePath()));
            QFile blocker(playerFolder());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const Contents programBefore = contents(programFolder());
        const Contents playerBefore = contents(playerFolder());

        openTableAndDeal();
        chooseBack(6);
        auto* report = table->optionsWindow()->findChild<QMessageBox*>("copyFailure");
        QVERIFY(report);
        QVERIFY(report->text().contains(media::playerCardBackPath()));
        QVERIFY(table->optionsWindow()->isVisible());
        report->close();
        click(card(0));
        QCOMPARE(shown(0),
                 imageOfFile(folder->path(playerBackPresent ? "hat3.bmp" : "hatlap-before.bmp")));
        QCOMPARE(contents(programFolder()), programBefore);
        QCOMPARE(contents(playerFolder()), playerBefore);
    }
};

QTEST_MAIN(CardBackTest)
#include "window_card_back_test.moc"
