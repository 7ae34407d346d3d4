#pragma once

#include <QObject>

#include <QList>
#include <QPointer>

class QWidget;

namespace trv {

// Enter moves the focus to the next control of a dialog and Shift+Enter to the previous one;
// the key is swallowed. Buttons keep Enter (it presses them), and so do the controls named as
// exceptions (a multi-line edit, where Enter starts a new line).
class Fokuswechsel : public QObject {
    Q_OBJECT
public:
    // Watches every control that is a child of dialog when it is made (call it after the
    // dialog's controls exist).
    explicit Fokuswechsel(QWidget* dialog);
    void Ausnahme(QWidget* control);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* dialog_;
    QList<QPointer<QWidget>> ausnahmen_;
};

} // namespace trv
