#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace trv {

// Enter moves the focus to the next control, Shift+Enter to the previous one, as the program's
// windows do it; the Enter itself never reaches the control (no default button is pressed,
// no edit receives it). Installed on a window's controls with Einrichten. rueckwaertsErlaubt
// may forbid the backward step (a failed field check): Shift+Enter then moves forward too.
class EnterWeiter : public QObject {
    Q_OBJECT
public:
    explicit EnterWeiter(QObject* eltern, std::function<bool()> rueckwaertsErlaubt = {});

    // Installs the filter on every child widget of fenster that can take the focus.
    void Einrichten(QWidget* fenster);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::function<bool()> rueckwaertsErlaubt_;
};

} // namespace trv
