#include "ui/main/Dokumente.h"

#include "calculation/Katalog.h"
#include "files/AtomareDatei.h"
#include "platform/Winex.h"
#include "ui/main/Filterdialog.h"
#include "ui/main/Projektzustand.h"
#include "ui/main/Rueckfragen.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace trv {

namespace {

QString CadFormat(int filter) {
    return filter == CadBlockExport::Dwg ? QStringLiteral("dwg") : QStringLiteral("dxf");
}

QString MitSchraegstrich(const QString& ordner) {
    return ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/');
}

const QString Handbuch = QStringLiteral("TRV Manual.pdf");

} // namespace

CadBlockExport::CadBlockExport(Projektzustand& zustand, Rueckfragen& fragen, Filterdialog& dialog,
                               QStringList ordner)
    : zustand_(zustand), fragen_(fragen), dialog_(dialog), ordner_(std::move(ordner)) {}

QStringList CadBlockExport::Endungen() {
    return {QStringLiteral(" Plan View Block."), QStringLiteral(" Side View Block."),
            QStringLiteral(" End View Block.")};
}

QString CadBlockExport::CadOrdner() const {
    for (const QString& ordner : ordner_) {
        const QString cad = MitSchraegstrich(ordner) + QStringLiteral("CAD files");
        if (QFileInfo(cad).isDir()) {
            return cad;
        }
    }
    return {};
}

QString CadBlockExport::Quelle(const QString& cadOrdner, const QString& endung,
                               const QString& format) const {
    const int typ = zustand_.Anwendung().Ergebnisse().AktDorn();
    // The supplied files carry lower-case extensions; a name typed as ".DXF" still finds them.
    return cadOrdner + QLatin1Char('/') + QString::fromStdString(DornName(typ)) + endung +
           format.toLower();
}

bool CadBlockExport::Ausfuehren() {
    const std::optional<Filterwahl> wahl = dialog_.DateiZumSpeichern(
        {QString(),
         {tr("DXF databases (*.dxf)"), tr("DWG database (*.dwg)")},
         filter_,
         QString::fromStdString(DornName(zustand_.Anwendung().Ergebnisse().AktDorn())),
         &CadFormat});
    if (!wahl || wahl->Datei.isEmpty()) {
        return false;
    }
    filter_ = wahl->Filter;
    if (filter_ != Dxf && filter_ != Dwg) {
        return false;
    }
    QString ziel = wahl->Datei;
    const QString format = CadFormat(filter_);
    if (QFileInfo(ziel).suffix().isEmpty()) {
        ziel = MitStandardEndung(ziel, format);
    }
    if (QFileInfo(ziel).suffix().toUpper() != format.toUpper()) {
        ziel += QLatin1Char('.') + format;
    }
    if (filter_ == Dwg) {
        const QString cad = CadOrdner();
        const QStringList endungen = Endungen(); // one list: begin and end must belong to it
        const bool keinDwg =
            !cad.isEmpty() &&
            std::none_of(endungen.begin(), endungen.end(), [&](const QString& endung) {
                return QFileInfo::exists(Quelle(cad, endung, format));
            });
        if (keinDwg) {
            return DwgNichtVorhanden(ziel);
        }
    }
    return CadBlockKopieren(ziel);
}

bool CadBlockExport::DwgNichtVorhanden(const QString& ziel) {
    if (!fragen_.JaNein(tr("The connector blocks are supplied as DXF files only: DWG files cannot "
                           "be written by this program.\n\nSave the blocks as DXF files instead? "
                           "Every CAD program reads DXF."))) {
        return false;
    }
    return CadBlockKopieren(ziel.left(ziel.size() - 4) + QStringLiteral(".dxf"));
}

bool CadBlockExport::CadBlockKopieren(const QString& ziel) {
    const QString keineDatei = tr("Cannot open file!");
    if (ziel.size() < 4) {
        fragen_.Meldung(keineDatei);
        return false;
    }
    const QString format = ziel.right(3);
    const QString basis = ziel.left(ziel.size() - 4);
    const QString cad = CadOrdner();
    bool fehlt = false;
    for (const QString& endung : Endungen()) {
        const QString quelle = Quelle(cad, endung, format);
        const QString nach = basis + endung + format;
        if (cad.isEmpty() || !QFileInfo(quelle).isFile()) {
            fehlt = true;
            continue;
        }
        QFile datei(quelle);
        std::string fehler;
        bool ok = false;
        if (!datei.open(QIODevice::ReadOnly)) {
            fehler = datei.errorString().toStdString();
        } else {
            const QByteArray inhalt = datei.readAll();
            if (datei.error() != QFileDevice::NoError) {
                fehler = datei.errorString().toStdString();
            } else {
                ok = DateiAtomarSchreiben(nach.toStdString(),
                                          std::string_view(inhalt.constData(), inhalt.size()),
                                          fehler);
            }
        }
        if (!ok) {
            if (fehlt) {
                fragen_.Meldung(keineDatei);
            }
            fragen_.Meldung(tr("The file %1 could not be copied to %2:\n%3")
                                .arg(quelle, nach, QString::fromStdString(fehler)));
            return false;
        }
    }
    if (fehlt) {
        fragen_.Meldung(keineDatei);
    }
    return !fehlt;
}

bool HandbuchOeffnen(const QStringList& ordner, Rueckfragen& fragen) {
    for (const QString& o : ordner) {
        const QString pfad = MitSchraegstrich(o);
        if (!QFileInfo(pfad + Handbuch).isFile()) {
            continue;
        }
        TWinexecute start;
        start.SetProgrammName(QString());
        start.SetFileName(Handbuch);
        start.SetProgrammPfad(pfad);
        start.SetExecuteModus(TModus::Normal);
        if (!start.Ausfuehren()) {
            fragen.Meldung(start.ErrorString());
            return false;
        }
        return true;
    }
    fragen.Meldung(
        CadBlockExport::tr("The file - ") + Handbuch +
        CadBlockExport::tr(" - was not found.The required file can only be installed from the CD "
                           "version!"));
    return false;
}

} // namespace trv
