#include "ui/main/Filterdialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace trv {

std::optional<Filterwahl> QtFilterdialog::DateiZumSpeichern(const Filterdialogdaten& d) {
    QFileDialog dialog(eltern_, d.Titel);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(d.Filter);
    const int start = d.Vorauswahl >= 1 && d.Vorauswahl <= d.Filter.size() ? d.Vorauswahl : 1;
    if (!d.Filter.isEmpty()) {
        dialog.selectNameFilter(d.Filter.at(start - 1));
    }
    const auto endung = [&](int filter) {
        return d.EndungFuerFilter ? d.EndungFuerFilter(filter) : QString();
    };
    dialog.setDefaultSuffix(endung(start));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(endung(static_cast<int>(d.Filter.indexOf(filter)) + 1));
    });
    if (!d.Vorschlag.isEmpty()) {
        const QFileInfo info(d.Vorschlag);
        if (!info.path().isEmpty() && info.path() != QStringLiteral(".")) {
            dialog.setDirectory(info.path());
        }
        dialog.selectFile(info.fileName());
    }
    // The proposal "*.ext" left as it is names no file.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() ||
        QFileInfo(dialog.selectedFiles().front()).fileName().contains(QLatin1Char('*'))) {
        return std::nullopt;
    }
    const int gewaehlt = static_cast<int>(d.Filter.indexOf(dialog.selectedNameFilter())) + 1;
    return Filterwahl{dialog.selectedFiles().front(), gewaehlt > 0 ? gewaehlt : start};
}

} // namespace trv
