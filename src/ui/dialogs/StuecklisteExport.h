#pragma once

#include <QFileDialog>
#include <QString>

#include <string>

class QImage;

namespace trv {

class Seitenmasse;
class TKModell;

// The four types of the schedule export, in the order of the export dialog's filters. The
// metafile is SVG, the vector picture format of this platform.
enum class StuecklistenExportTyp { Metafile = 0, Bitmap = 1, Jpeg = 2, Text = 3 };

// The type of filter number index; the metafile for any other number.
StuecklistenExportTyp ExportTypAusFilter(int index);
// The default extension of a type: "svg", "bmp", "jpg" or "txt".
QString ExportEndung(StuecklistenExportTyp typ);
// The file that is written: a chosen name with an extension gets the type's extension
// instead ("plan.svg" exported as text is "plan.txt"); a name without one is kept.
QString ExportDateiname(const QString& gewaehlt, StuecklistenExportTyp typ);

// Writes the export of the project's schedule. The pictures are the preview picture (bitmap,
// JPEG) or the page drawn again as SVG of the preview's size with the preview's page metrics;
// the text is the fixed-column export. Every file is complete before it takes the place of
// an existing one. False with the message to show.
bool StuecklisteExportSchreiben(const QString& datei, StuecklistenExportTyp typ,
                                const QImage& vorschau, const Seitenmasse& vorschauMasse,
                                const TKModell& modell, std::string& fehler);

// The save dialog of the schedule export. Choosing another filter makes its extension the
// default extension, so a name typed without one gets the chosen type's.
class TStuecklistenExportDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TStuecklistenExportDialog(QWidget* eltern = nullptr);

    StuecklistenExportTyp Typ() const;
    // Proposes "*." + the current default extension as the file name.
    void NamenVorschlagen();
    void retranslateUi();

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void FilterGewaehlt(const QString& filter);
};

} // namespace trv
