// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The strategy card's PDF, read back with poppler's tools: one page whose text, accents and all,
// lies inside the area that both A4 and Letter hold; a card that cannot be written says why and
// leaves nothing behind.
#include "long_strategy_card.h"
#include "strategy_card.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a poppler tool prints, or a failure naming the package that has it.
QString run(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return QStringLiteral("no %1 (Debian's poppler-utils)").arg(tool);
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString simplified(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

} // namespace

class PrintingCardTest : public QObject {
    Q_OBJECT
  private slots:
    void cardHoldsItsTextOnOnePage_data() {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::newRow("A4") << QPageSize::A4;
        QTest::newRow("Letter") << QPageSize::Letter;
    }
    void cardHoldsItsTextOnOnePage() {
        QFETCH(QPageSize::PageSizeId, paper);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("kártya.pdf"));
        const printing::StrategyCard card = longStrategyCard();
        const printing::WriteResult result =
            printing::writeStrategyCard(card, file, QPageSize(paper));
        QVERIFY2(result.written(), qPrintable(result.detail));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kártya.pdf"});

        const QString info = run(QStringLiteral("pdfinfo"), {file});
        const auto field = [&info](const QString& name) {
            return QRegularExpression(QStringLiteral("^%1: +(.*)$").arg(name),
                                      QRegularExpression::MultilineOption)
                .match(info)
                .captured(1);
        };
        QCOMPARE(field(QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(field(QStringLiteral("Title")), card.title);
        QCOMPARE(field(QStringLiteral("Creator")), QStringLiteral("Kartavo 1.0"));

        // The text inside the area of A4's width and Letter's height, centred on this paper, in
        // the order it is written, which is the order a screen reader meets it in.
        const QSizeF page = QPageSize(paper).size(QPageSize::Point);
        const QSizeF common(std::min(page.width(), 612.0), std::min(page.height(), 792.0));
        const QString text = simplified(run(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
             QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-x"),
             QString::number(int((page.width() - common.width()) / 2) + 1), QStringLiteral("-y"),
             QString::number(int((page.height() - common.height()) / 2) + 1), QStringLiteral("-W"),
             QString::number(int(common.width()) - 2), QStringLiteral("-H"),
             QString::number(int(common.height()) - 2), file, QStringLiteral("-")}));
        QStringList expected = {card.title, card.paytableHeading, card.chartHeading,
                                QStringLiteral("Kartavo 1.0")};
        expected << card.returns << card.chartLines;
        for (const printing::PayRow& row : card.paytable)
            expected << row.hand + ' ' + row.pays;
        QStringList missing;
        for (const QString& line : expected)
            if (!text.contains(simplified(line)))
                missing << line;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ") + "\nin: " + text));
    }

    // Each a place where no card can be written; a file already there stays as it was.
    void unwritableCardLeavesNothing_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<printing::Failure>("failure");
        QTest::newRow("folder without rights")
            << "locked/kártya.pdf" << printing::Failure::NoRights;
        QTest::newRow("no such folder") << "nincs/kártya.pdf" << printing::Failure::NoFolder;
        QTest::newRow("a folder by that name") << "mappa" << printing::Failure::NotAFile;
    }
    void unwritableCardLeavesNothing() {
        QFETCH(QString, where);
        QFETCH(printing::Failure, failure);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("locked")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("mappa")));
        const QString locked = root.filePath(QStringLiteral("locked"));
        QFile old(locked + QStringLiteral("/kártya.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("régi") == 5);
        old.close();
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        // Root may write anywhere: this test runs as an ordinary user.
        QFile probe(locked + QStringLiteral("/probe"));
        QVERIFY2(!probe.open(QIODevice::WriteOnly), "the folder without rights takes a file");

        const auto listing = [&root] {
            QStringList all;
            for (const QString& folder :
                 {QString(), QStringLiteral("locked"), QStringLiteral("mappa")})
                all << folder + ':' +
                           QDir(root.filePath(folder))
                               .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                               .join(',');
            return all;
        };
        const QStringList before = listing();
        const printing::WriteResult result =
            printing::writeStrategyCard(longStrategyCard(), root.filePath(where));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(result.failure, failure);
        QVERIFY2(!result.detail.trimmed().isEmpty(), "no reason given");
        QCOMPARE(listing(), before);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("régi"));
    }
};

QTEST_MAIN(PrintingCardTest)
#include "printing_card_test.moc"
