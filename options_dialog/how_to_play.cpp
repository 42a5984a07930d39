// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "how_to_play.h"

#include <QStringList>

namespace howto {

QString howToPlayText() {
    // Each paragraph is its pieces joined with nothing between; the blanks belong to the pieces.
    const QStringList paragraphs = {
        QStringLiteral("A Keverés gombra kattintva öt lapot oszt nekünk a program."),
        QStringLiteral("Ezután az egérrel kijelölhetjük azokat a lapokat, amelyeket cserélni "
                       "akarunk, ") +
            QStringLiteral("majd a Csere gombra kattintva ez meg is történik."),
        QStringLiteral("A x1  x2  x5  x10  gombok valamelyikére kattintva a nyeremények összege "
                       "ennyiszeresére ") +
            QStringLiteral("növelhető. Természetesen ekkor a tét összege is ennyiszeres lesz!"),
        QStringLiteral("A szorzók módosítása is pénzbe kerül, ára az alaptét összege.") +
            QStringLiteral(" Ez kizárólag osztás után és csere előtt tehetjük meg,") +
            QStringLiteral(" hiszen tulajdonképpen ezzel licitálunk a leosztott lapokra."),
    };
    QString text;
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += QStringLiteral("\n\r\n\r");
        text += paragraphs[i];
    }
    return text;
}

QString displayText(const QString& text) {
    return QString(text).remove(QLatin1Char('\r'));
}

} // namespace howto
