#include "ui/dialogs/Fokuswechsel.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace trv {

Fokuswechsel::Fokuswechsel(QWidget* dialog) : QObject(dialog), dialog_(dialog) {
    for (QWidget* kind : dialog->findChildren<QWidget*>()) {
        kind->installEventFilter(this);
    }
}

void Fokuswechsel::Ausnahme(QWidget* control) {
    ausnahmen_.append(control);
}

namespace {

// A control Tab would stop at: not a part of the control being left (the editor inside a spin
// box hands its focus to the box).
bool Erreichbar(QWidget* ziel, QWidget* von) {
    return (ziel->focusPolicy() & Qt::TabFocus) && ziel->isVisible() && ziel->isEnabled() &&
           ziel->focusProxy() == nullptr && !von->isAncestorOf(ziel) &&
           ziel->window() == von->window();
}

} // namespace

bool Fokuswechsel::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() != Qt::Key_Return && taste->key() != Qt::Key_Enter) {
        return false;
    }
    const Qt::KeyboardModifiers mod =
        taste->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mod != Qt::NoModifier || qobject_cast<QAbstractButton*>(objekt) != nullptr) {
        return false;
    }
    for (const QPointer<QWidget>& ausnahme : ausnahmen_) {
        if (ausnahme &&
            (ausnahme == objekt || ausnahme->isAncestorOf(qobject_cast<QWidget*>(objekt)))) {
            return false;
        }
    }
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (widget == nullptr || !dialog_->isAncestorOf(widget)) {
        return false;
    }
    // The focus moves along the dialog's tab chain, as Tab would move it.
    QWidget* ziel = widget;
    const bool rueckwaerts = (taste->modifiers() & Qt::ShiftModifier) != 0;
    do {
        ziel = rueckwaerts ? ziel->previousInFocusChain() : ziel->nextInFocusChain();
    } while (ziel != widget && !Erreichbar(ziel, widget));
    ziel->setFocus(rueckwaerts ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

} // namespace trv
