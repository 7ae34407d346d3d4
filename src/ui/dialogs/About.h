#pragma once

#include <QDialog>

class QLabel;
class QTextEdit;
class QPushButton;

namespace trv {

// The about box: the title picture, the program's name, purpose, version and date, the maker's
// contact lines and its disclaimer.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* eltern = nullptr);

    QString Haftungstext() const;

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void retranslateUi();

    QLabel* imgTitel_;
    QLabel* lblProgramm_;
    QLabel* lblZweck_;
    QLabel* lblVersion_;
    QLabel* lblDatum_;
    QLabel* lblHersteller_;
    QLabel* lblKontakt_;
    QTextEdit* memoHaftung_;
    QPushButton* btnZurueck_;
};

} // namespace trv
