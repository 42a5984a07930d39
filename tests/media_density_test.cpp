// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures for dense displays: the loader takes the double-size twin by the display's pixel
// ratio, falls back to the picture itself without a word, and shows the card back in force from
// the twin of the design it is a copy of.
#include "card_back.h"
#include "pictures.h"
#include "test_support.h"

#include <QImageReader>
#include <memory>

namespace {

// The pixels of a picture, whatever ratio it is marked with.
QImage pixels(QImage image) {
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32);
}
QImage pixels(const QPixmap& pixmap) {
    return pixels(pixmap.toImage());
}
QImage pixelsOfFile(const QString& path) {
    return pixels(QImage(path));
}

void overwrite(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DensityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;

  private slots:
    void init() { folder = std::make_unique<MediaFolder>(); }
    void cleanup() { folder.reset(); }

    void pictureIsDrawnForTheDisplay_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("design");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("sharp");
        const std::pair<const char*, bool> kinds[] = {
            {"As.bmp",           false},
            {"Kh.bmp",           false},
            {"hat3.bmp",         false},
            {"casino3.jpg",      false},
            {"splash2.jpg",      false},
            {"mfull.jpg",        false},
            {"board_logo.jpg",   true },
            {"ujra_picture.png", true },
            {"about_photo.jpg",  true },
        };
        for (const auto& [name, design] : kinds)
            for (const qreal ratio : {1.0, 1.25, 1.5, 2.0})
                QTest::addRow("%s at %g", name, ratio)
                    << QString::fromLatin1(name) << design << ratio << (ratio > 1);
    }
    void pictureIsDrawnForTheDisplay() {
        QFETCH(QString, name);
        QFETCH(bool, design);
        QFETCH(qreal, ratio);
        QFETCH(bool, sharp);
        const QString path = design ? QStringLiteral(":/design/") + name : folder->path(name);
        const QPixmap shown =
            design ? media::designPicture(name, ratio) : media::loadPicture(path, ratio);
        QCOMPARE(shown.devicePixelRatio(), sharp ? 2.0 : 1.0);
        // The same size on the window at any ratio.
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(QImageReader(path).size()));
        QCOMPARE(pixels(shown), pixelsOfFile(sharp ? media::twinPath(path) : path));
        QVERIFY(folder->missing.isEmpty());
    }

    void windowIconsCarryTheirTwin_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::newRow("table") << "board_icon.png" << 32;
        QTest::newRow("options") << "options_icon.png" << 32;
        QTest::newRow("restart") << "ujra_icon.png" << 48;
    }
    void windowIconsCarryTheirTwin() {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QIcon icon = media::designIcon(name);
        QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(size, size), QSize(size, size) * 2}));
    }

    void unusableTwinFallsBack_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("damage");
        for (const char* name : {"As.bmp", "casino3.jpg", "mfull.jpg", "hand.cur"})
            for (const char* damage : {"missing", "unreadable", "single size"})
                QTest::addRow("%s %s", name, damage)
                    << QString::fromLatin1(name) << QString::fromLatin1(damage);
    }
    void unusableTwinFallsBack() {
        QFETCH(QString, name);
        QFETCH(QString, damage);
        const QString path = folder->path(name), twin = media::twinPath(path);
        QVERIFY(QFile::exists(twin));
        if (damage == QStringLiteral("missing"))
            QFile::remove(twin);
        else if (damage == QStringLiteral("unreadable"))
            overwrite(twin, "not a picture");
        else
            overwrite(twin, contentOf(path));
        if (name.endsWith(QStringLiteral(".cur"))) {
            const QCursor cursor = media::loadCursor(path, 2);
            QCOMPARE(cursor.pixmap().devicePixelRatio(), 1.0);
            QCOMPARE(pixels(cursor.pixmap()), pixels(media::readCursorFile(path).image));
            QCOMPARE(cursor.hotSpot(), QPoint(9, 1));
        } else {
            const QPixmap shown = media::loadPicture(path, 2);
            QCOMPARE(shown.devicePixelRatio(), 1.0);
            QCOMPARE(pixels(shown), pixelsOfFile(path));
        }
        QVERIFY(folder->missing.isEmpty());
    }

    // A twin cannot stand in for its picture: the picture is the file the game needs.
    void missingPictureIsReportedNotItsTwin_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("card") << "As.bmp";
        QTest::newRow("reward") << "casino3.jpg";
        QTest::newRow("cursor") << "hand.cur";
    }
    void missingPictureIsReportedNotItsTwin() {
        QFETCH(QString, name);
        const QString path = folder->path(name);
        QFile::remove(path);
        QVERIFY(QFile::exists(media::twinPath(path)));
        if (name.endsWith(QStringLiteral(".cur")))
            media::loadCursor(path, 2);
        else
            QVERIFY(media::loadPicture(path, 2).isNull());
        QCOMPARE(folder->missing, QStringList{path});
    }

    void cardBackIsShownFromItsDesign_data() {
        QTest::addColumn<QString>("copyOf");      // the file whose content the back holds
        QTest::addColumn<bool>("elsewhere");      // the back lies outside the program folder
        QTest::addColumn<QString>("plantedTwin"); // written as the back's own twin
        QTest::addColumn<bool>("designTwinGone"); // the design's twin removed
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("design"); // the design found, -1 for none
        QTest::addColumn<bool>("sharp"); // shown from the design's twin
        QTest::newRow("design 0") << "hat0.bmp" << false << "" << false << 2.0 << 0 << true;
        QTest::newRow("design 7") << "hat7.bmp" << false << "" << false << 2.0 << 7 << true;
        QTest::newRow("design 3, 1.5") << "hat3.bmp" << false << "" << false << 1.5 << 3 << true;
        QTest::newRow("design 3 elsewhere")
            << "hat3.bmp" << true << "" << false << 2.0 << 3 << true;
        QTest::newRow("design 3, plain") << "hat3.bmp" << false << "" << false << 1.0 << 3 << false;
        QTest::newRow("design 5, twin gone")
            << "hat5.bmp" << false << "" << true << 2.0 << 5 << false;
        QTest::newRow("no design") << "As.bmp" << false << "" << false << 2.0 << -1 << false;
        QTest::newRow("no design, own twin")
            << "As.bmp" << false << "hat1@2x.bmp" << false << 2.0 << -1 << false;
    }
    void cardBackIsShownFromItsDesign() {
        QFETCH(QString, copyOf);
        QFETCH(bool, elsewhere);
        QFETCH(QString, plantedTwin);
        QFETCH(bool, designTwinGone);
        QFETCH(qreal, ratio);
        QFETCH(int, design);
        QFETCH(bool, sharp);
        QTemporaryDir other;
        const QString back =
            elsewhere ? other.filePath(QStringLiteral("hatlap.bmp")) : folder->path("hatlap.bmp");
        overwrite(back, folder->read(copyOf));
        if (!plantedTwin.isEmpty())
            overwrite(media::twinPath(back), folder->read(plantedTwin));
        const QString designFile = media::mediaPath(QStringLiteral("hat%1.bmp").arg(design));
        if (designTwinGone)
            QFile::remove(media::twinPath(designFile));

        QCOMPARE(media::designOfBack(back), design < 0 ? QString() : designFile);
        const QPixmap shown = media::loadCardBack(back, ratio);
        QCOMPARE(shown.devicePixelRatio(), sharp ? 2.0 : 1.0);
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(71, 96));
        QCOMPARE(pixels(shown), pixelsOfFile(sharp ? media::twinPath(designFile) : back));
        QVERIFY(folder->missing.isEmpty());
    }

    void missingCardBackIsReported() {
        QFile::remove(folder->path("hatlap.bmp"));
        QVERIFY(media::loadCardBack(folder->path("hatlap.bmp"), 2).isNull());
        QCOMPARE(folder->missing, QStringList{folder->path("hatlap.bmp")});
    }
};

QTEST_MAIN(DensityTest)
#include "media_density_test.moc"
