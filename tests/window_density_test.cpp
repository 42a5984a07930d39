// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as drawn on the screen, run once on a plain display and once on one of two device
// pixels to a window pixel: every picture box shows the pixels made for the display, the twin on
// the dense one and the file itself, unchanged, on the plain one.
#include "board.h"
#include "card_back.h"
#include "indit.h"
#include "options.h"
#include "picture_box.h"
#include "test_support.h"
#include "ujra.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <memory>

class WindowDensityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;

    bool dense() const { return table->devicePixelRatio() > 1; }

    // A picture as device pixels.
    static QImage devicePixels(QImage image) {
        image.setDevicePixelRatio(1);
        return image.convertToFormat(QImage::Format_RGB32);
    }

    // A file's picture laid over the window's colour, as the box shows it.
    static QImage overBackground(const QString& path, const QColor& background) {
        QImage picture(path);
        picture.setDevicePixelRatio(1);
        QImage image(picture.size(), QImage::Format_RGB32);
        image.fill(background);
        QPainter(&image).drawImage(0, 0, picture);
        return image;
    }

  private slots:
    void init() {
        folder = std::make_unique<MediaFolder>();
        // The back in force is a copy of design 6.
        QFile::remove(folder->path("hatlap.bmp"));
        QFile::copy(folder->path("hat6.bmp"), folder->path("hatlap.bmp"));
        table = shell::openTable(std::make_unique<ScriptedRandom>(
            std::vector<std::string>{"As", "Kd", "0h", "2c", "7s"}));
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table));
    }
    void cleanup() { folder.reset(); }

    void theScaleIsInForce() {
        const bool expected = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble() > 1;
        QCOMPARE(dense(), expected);
    }

    void boxesShowThePixelsOfTheDisplay_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("file"); // in the program folder, or a design picture
        // clang-format off
        QTest::newRow("dealt card")     << "board"   << "Picture1_0" << "deal"            << "As.bmp";
        QTest::newRow("dealt ten")      << "board"   << "Picture1_2" << "deal"            << "0h.bmp";
        QTest::newRow("marked card")    << "board"   << "Picture1_1" << "deal mark"       << "hat6.bmp";
        QTest::newRow("unmarked again") << "board"   << "Picture1_1" << "deal mark mark"  << "Kd.bmp";
        QTest::newRow("logo")           << "board"   << "Picture3"   << ""                << ":/design/board_logo.jpg";
        QTest::newRow("reward box")     << "board"   << "Picture2"   << ""                << ":/design/board_reward.jpg";
        QTest::newRow("back chooser")   << "options" << "Picture1_2" << "open"            << "hat2.bmp";
        QTest::newRow("gallery")        << "options" << "Picture4"   << "open rules Label9" << "mfull.jpg";
        QTest::newRow("about page")     << "options" << "Picture3"   << "open"            << ":/design/about_title.jpg";
        QTest::newRow("restart dialog") << "ujra"    << "Picture1"   << ""                << ":/design/ujra_picture.png";
        QTest::newRow("splash")         << "indit"   << "Picture1"   << ""                << "splash2.jpg";
        // clang-format on
    }
    void boxesShowThePixelsOfTheDisplay() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, steps);
        QFETCH(QString, file);
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == QStringLiteral("deal"))
                click(control<QPushButton>(table, "Command1"));
            else if (step == QStringLiteral("mark"))
                click(control<controls::PictureBox>(table, box));
            else if (step == QStringLiteral("open"))
                click(control<QPushButton>(table, "Command6"));
            else if (step == QStringLiteral("rules"))
                click(control<QPushButton>(table->optionsWindow(), "SSTab1_Tab2"));
            else
                click(control<QLabel>(table->optionsWindow(), step));
        }
        QWidget* shownWindow = table;
        if (window == QStringLiteral("options"))
            shownWindow = table->optionsWindow();
        else if (window == QStringLiteral("ujra"))
            shownWindow = new ujra(nullptr);
        else if (window == QStringLiteral("indit"))
            shownWindow = new indit;
        shownWindow->show();
        auto* pictureBox = control<controls::PictureBox>(shownWindow, box);
        const QString path = file.startsWith(':') ? file : folder->path(file);
        const QImage expected = overBackground(dense() ? media::twinPath(path) : path,
                                               pictureBox->palette().color(QPalette::Window));
        // Inside the border, where box and picture overlap (the box clips a larger picture).
        const QImage shown = devicePixels(pictureBox->grab(pictureBox->contentsRect()).toImage());
        const QRect common(QPoint(), shown.size().boundedTo(expected.size()));
        QCOMPARE(shown.copy(common), expected.copy(common));
        QVERIFY(folder->missing.isEmpty());
    }

    void cardCursorIsDrawnForTheDisplay() {
        const QCursor cursor = control<controls::PictureBox>(table, "Picture1_0")->cursor();
        QCOMPARE(cursor.pixmap().devicePixelRatio(), dense() ? 2.0 : 1.0);
        QCOMPARE(cursor.pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(cursor.hotSpot(), QPoint(9, 1));
    }
};

QTEST_MAIN(WindowDensityTest)
#include "window_density_test.moc"
