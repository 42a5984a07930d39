// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the windows read when they are damaged, deleted or of an unusual size, and the
// card-back chooser, which shows its own thumbnails and reads a design only at OK.
#include "board.h"
#include "indit.h"
#include "language.h"
#include "options.h"
#include "picture_box.h"
#include "test_support.h"

#include <QBuffer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>

namespace {

bool writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

bool cutInHalf(const QString& path) {
    QFile f(path);
    return f.exists() && f.resize(f.size() / 2);
}

// A plain picture of the given size in the format the file name asks for.
bool writePicture(const QString& path, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 90));
    return image.save(path);
}

QByteArray jpegBytes(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

QImage shownImage(const QWidget* window, const QString& box) {
    return control<controls::PictureBox>(window, box)
        ->picture()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class WindowMediaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;

    void openTable(std::vector<std::string> script) {
        table = shell::openTable(std::make_unique<ScriptedRandom>(std::move(script)));
        table->show();
    }
    void openOptions() { click(control<QPushButton>(table, "Command6")); }
    options* dialog() const { return table->optionsWindow(); }

    // Makes the window of the given kind of picture load it; returns the window and the box.
    std::pair<QWidget*, QString> showPictureOfKind(const QString& kind) {
        if (kind == "splash")
            return {new indit, QStringLiteral("Picture1")};
        openTable({"2c", "2d", "9h", "Js", "Kc"});
        if (kind == "card face") {
            click(control<QPushButton>(table, "Command1"));
        } else if (kind == "card back") {
            click(control<QPushButton>(table, "Command1"));
            click(control<controls::PictureBox>(table, "Picture1_0"));
        } else if (kind == "reward") {
            // One above the first threshold after the pair is paid.
            control<QLabel>(table, "Label5")->setText(" 261");
            click(control<QPushButton>(table, "Command1"));
            click(control<QPushButton>(table, "Command4"));
            return {table, QStringLiteral("Picture2")};
        } else if (kind == "gallery") {
            openOptions();
            click(control<QPushButton>(dialog(), "SSTab1_Tab2"));
            click(control<QLabel>(dialog(), "Label3"));
            return {dialog(), QStringLiteral("Picture4")};
        }
        return {table, QStringLiteral("Picture1_0")};
    }

    static void kinds() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::newRow("card face at a deal") << "card face"
                                             << "2c.bmp";
        QTest::newRow("card back at a mark") << "card back"
                                             << "hatlap.bmp";
        QTest::newRow("reward picture") << "reward"
                                        << "casino2.jpg";
        QTest::newRow("gallery picture") << "gallery"
                                         << "mroyal.jpg";
        QTest::newRow("splash picture") << "splash"
                                        << "splash2.jpg";
    }

  private slots:
    void initTestCase() {
        QVERIFY(shell::setLanguage(texts::hungarian));
        QVERIFY2(texts::qtTextsInForce(),
                 "Qt's Hungarian translation is missing (Debian: qt6-translations-l10n)");
    }
    void init() { folder = std::make_unique<MediaFolder>(); }
    void cleanup() { folder.reset(); }

    void halfReadPictureIsReported_data() { kinds(); }
    void halfReadPictureIsReported() {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QVERIFY(cutInHalf(folder->path(file)));
        showPictureOfKind(kind);
        QCOMPARE(folder->missing, QStringList{QDir::toNativeSeparators(folder->path(file))});
    }

    void pictureOfAnUnusualSizeIsShown_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        for (const QSize size : {QSize(1, 1), QSize(4000, 4000)}) {
            const QByteArray tag =
                QByteArray::number(size.width()) + " x " + QByteArray::number(size.height());
            for (const auto& [kind, file] : {
                     std::pair{"card face", "2c.bmp"     },
                     std::pair{"card back", "hatlap.bmp" },
                     std::pair{"reward",    "casino2.jpg"},
                     std::pair{"gallery",   "mroyal.jpg" },
                     std::pair{"splash",    "splash2.jpg"}
            })
                QTest::newRow(kind + (", " + tag))
                    << QString::fromLatin1(kind) << QString::fromLatin1(file) << size;
        }
    }
    void pictureOfAnUnusualSizeIsShown() {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QVERIFY(writePicture(folder->path(file), size));
        const auto [window, box] = showPictureOfKind(kind);
        QVERIFY(folder->missing.isEmpty());
        // Shown as it is: neither scaled nor refused.
        QCOMPARE(shownImage(window, box).size(), size);
    }

    // The chooser needs no design file to open or to be cancelled.
    void thumbnailsNeedNoDesignFiles() {
        for (int d = 0; d < 8; ++d)
            QVERIFY(QFile::remove(folder->path(QStringLiteral("hat%1.bmp").arg(d))));
        openTable({"As", "Kd", "0h", "2c", "7s", "3c", "4c", "5c", "6c", "8d"});
        openOptions();
        click(control<QPushButton>(dialog(), "SSTab1_Tab0"));
        QList<QImage> shown;
        for (int d = 0; d < 8; ++d) {
            const QImage image = shownImage(dialog(), QStringLiteral("Picture1_%1").arg(d));
            QCOMPARE(image.size(), QSize(71, 96));
            QVERIFY(!shown.contains(image));
            shown << image;
        }
        // A picture of its own design: the design file the build made for it, as drawn.
        const QString built = QCoreApplication::applicationDirPath() + "/hat3.bmp";
        QCOMPARE(shown[3], imageOfFile(built));
        click(control<QPushButton>(dialog(), "Command2")); // "Mégsem" unloads the dialog
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click(control<QPushButton>(table, "Command1")); // the deal loads it again
        QVERIFY(dialog());
        QVERIFY(folder->missing.isEmpty());
    }

    void okCopiesOnlyAWholeDesign_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("whole") << "none";
        QTest::newRow("deleted") << "deleted";
        QTest::newRow("cut in half") << "cut";
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("empty") << "empty";
        QTest::newRow("damaged data") << "damaged";
        QTest::newRow("wrong size") << "size";
    }
    void okCopiesOnlyAWholeDesign() {
        QFETCH(QString, damage);
        const QString design = folder->path("hat5.bmp");
        const QByteArray before = folder->read("hatlap.bmp");
        const QByteArray wanted = folder->read("hat5.bmp");
        if (damage == "deleted")
            QVERIFY(QFile::remove(design));
        else if (damage == "cut")
            QVERIFY(cutInHalf(design));
        else if (damage == "garbage")
            QVERIFY(writeFile(design, QByteArray(20790, '\x3c')));
        else if (damage == "empty")
            QVERIFY(writeFile(design, {}));
        else if (damage == "damaged") // data the image decoder stumbles over, with a warning
            QVERIFY(writeFile(design, jpegBytes(QSize(71, 96)).chopped(10)));
        else if (damage == "size")
            QVERIFY(writePicture(design, QSize(72, 96)));
        openTable({"As", "Kd", "0h", "2c", "7s"});
        openOptions();
        click(control<QPushButton>(dialog(), "SSTab1_Tab0"));
        click(control<controls::PictureBox>(dialog(), "Picture1_5"));
        click(control<QPushButton>(dialog(), "Command1"));
        auto* warning = dialog()->findChild<QMessageBox*>("copyFailure");
        QVERIFY(folder->missing.isEmpty()); // a warning, never the end of the game
        if (damage == "none") {
            QVERIFY(!warning);
            QCOMPARE(folder->read("hatlap.bmp"), wanted);
            return;
        }
        QVERIFY(warning);
        QVERIFY(warning->text().contains("hat5.bmp"));
        // With Qt's translation installed as the program installs it, the reason is Hungarian:
        // none of the English words of Qt's reasons or of the decoders' warnings.
        static const QRegularExpression path(QStringLiteral(R"(\S*[/\\]\S*)"));
        static const QRegularExpression english(
            QStringLiteral(R"(\b(unsupported|format|not found|unknown|error|image|data|file|)"
                           R"(premature|jpeg|read|corrupt)\b)"),
            QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(!QString(warning->text()).remove(path).contains(english),
                 qPrintable(warning->text()));
        QCOMPARE(folder->read("hatlap.bmp"), before);
        QVERIFY(dialog()->isVisible());
        QDir dir(folder->path("."));
        QVERIFY(dir.entryList({"hatlap.bmp.*"}).isEmpty());
    }
};

QTEST_MAIN(WindowMediaTest)
#include "window_media_test.moc"
