#include "ui/main/EnterWeiter.h"

#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace trv {

EnterWeiter::EnterWeiter(QObject* eltern, std::function<bool()> rueckwaertsErlaubt)
    : QObject(eltern), rueckwaertsErlaubt_(std::move(rueckwaertsErlaubt)) {}

void EnterWeiter::Einrichten(QWidget* fenster) {
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus) {
            w->installEventFilter(this);
        }
    }
}

bool EnterWeiter::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress && ereignis->type() != QEvent::ShortcutOverride) {
        return false;
    }
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() != Qt::Key_Return && taste->key() != Qt::Key_Enter) {
        return false;
    }
    if (ereignis->type() == QEvent::ShortcutOverride) {
        taste->accept(); // no shortcut takes the Enter away from us
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (widget == nullptr) {
        return false;
    }
    const bool zurueck =
        (taste->modifiers() & Qt::ShiftModifier) && (!rueckwaertsErlaubt_ || rueckwaertsErlaubt_());
    // The window moves the focus, so every control's own focus order applies.
    QWidget* fenster = widget->window();
    QWidget* ziel = zurueck ? widget->previousInFocusChain() : widget->nextInFocusChain();
    while (ziel != widget && ziel != nullptr &&
           (!(ziel->focusPolicy() & Qt::TabFocus) || !ziel->isEnabled() ||
            !ziel->isVisibleTo(fenster) || ziel->focusProxy() != nullptr)) {
        ziel = zurueck ? ziel->previousInFocusChain() : ziel->nextInFocusChain();
    }
    if (ziel != nullptr && ziel != widget) {
        ziel->setFocus(zurueck ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
    return true;
}

} // namespace trv
