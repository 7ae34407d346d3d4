#pragma once

#include <QTreeWidget>

namespace trv {

class TKAnwendung;
class TKTextlisten;

// The result overview: one row per connector type with its reinforcement, resistance,
// utilisation, number of connectors and status. Read-only; selecting a row (by the user or by
// code) reports the type.
class TErgebnisliste : public QTreeWidget {
    Q_OBJECT
public:
    explicit TErgebnisliste(QWidget* eltern = nullptr);

    // Column heads in the active language.
    void retranslateUi();

    // Rebuilds the 14 rows from the position's results and selects its AktDorn (which reports
    // the selection like a click).
    void ErgebnislisteFuellen(const TKAnwendung& anwendung, const TKTextlisten& texte,
                              char dezimaltrenner);

signals:
    // Row typ (0..13) became selected.
    void TypGewaehlt(int typ);

protected:
    void changeEvent(QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
};

} // namespace trv
