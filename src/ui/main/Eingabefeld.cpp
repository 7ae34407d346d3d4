#include "ui/main/Eingabefeld.h"

#include <QFocusEvent>

namespace trv {

TEingabefeld::TEingabefeld(QWidget* eltern) : QLineEdit(eltern) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(32);
}

void TEingabefeld::focusOutEvent(QFocusEvent* ereignis) {
    QLineEdit::focusOutEvent(ereignis);
    if (ereignis->reason() != Qt::ActiveWindowFocusReason &&
        ereignis->reason() != Qt::PopupFocusReason) {
        emit Verlassen(this);
    }
}

} // namespace trv
