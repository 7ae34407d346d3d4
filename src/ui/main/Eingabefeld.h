#pragma once

#include <QLineEdit>

namespace trv {

// A numeric input field. Verlassen is sent every time the focus moves from it to another
// control of the same window, changed or not, so a field holding a refused text is checked
// again whenever the user tries to leave it. Switching to another window or opening a menu is
// no exit.
class TEingabefeld : public QLineEdit {
    Q_OBJECT
public:
    explicit TEingabefeld(QWidget* eltern = nullptr);

signals:
    void Verlassen(trv::TEingabefeld* feld);

protected:
    void focusOutEvent(QFocusEvent* ereignis) override;
};

} // namespace trv
