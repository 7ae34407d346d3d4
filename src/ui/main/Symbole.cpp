#include "ui/main/Symbole.h"

#include <QFile>
#include <QHash>

// The icons are compiled into the static ui library; naming their initialiser here makes the
// linker keep them.
static void SymboleEinbinden() {
    Q_INIT_RESOURCE(symbole);
}

namespace trv {

QIcon Symbol(const QString& name) {
    static const bool eingebunden = (SymboleEinbinden(), true);
    (void)eingebunden;
    const QString pfad = QStringLiteral(":/symbole/") + name + QStringLiteral(".svg");
    return QFile::exists(pfad) ? QIcon(pfad) : QIcon();
}

QIcon BaumSymbol(int index) {
    static const QHash<int, QString> namen{
        {0, QStringLiteral("neu")},
        {1, QStringLiteral("oeffnen")},
        {2, QStringLiteral("speichern")},
        {3, QStringLiteral("speichern-unter")},
        {8, QStringLiteral("hilfe-inhalt")},
        {9, QStringLiteral("beenden")},
        {10, QStringLiteral("projektdaten")},
        {11, QStringLiteral("hilfe-suchen")},
        {12, QStringLiteral("drucker")},
        {15, QStringLiteral("info")},
        {16, QStringLiteral("eingabe")},
        {17, QStringLiteral("datei")},
        {18, QStringLiteral("hilfe")},
        {19, QStringLiteral("optionen")},
        {20, QStringLiteral("systemeingabe")},
        {21, QStringLiteral("position-hinzufuegen")},
        {22, QStringLiteral("position-loeschen")},
        {23, QStringLiteral("stueckliste")},
        {24, QStringLiteral("farben")},
        {25, QStringLiteral("in-stueckliste")},
        {28, QStringLiteral("position")},
        {29, QStringLiteral("positionen")},
        {30, QStringLiteral("projekt")},
        {33, QStringLiteral("projektverwaltung")},
        {34, QStringLiteral("handbuch")},
        {35, QStringLiteral("bemessung")},
    };
    return Symbol(namen.value(index));
}

QIcon StatusSymbol(int status) {
    if (status < 0 || status > 9) {
        status = 2;
    }
    return Symbol(QStringLiteral("status-%1").arg(status));
}

} // namespace trv
