#include "ui/dialogs/Hinweisleiste.h"

#include <QStatusTipEvent>

namespace trv {

Hinweisleiste::Hinweisleiste(QWidget* dialog) : QStatusBar(dialog) {
    setSizeGripEnabled(false);
    dialog->installEventFilter(this);
}

bool Hinweisleiste::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == parent() && ereignis->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(ereignis)->tip();
        showMessage(tip.isEmpty() ? QString() : QStringLiteral("  ") + tip);
        return true;
    }
    return QStatusBar::eventFilter(objekt, ereignis);
}

void HinweisSetzen(QWidget* control, const QString& kurz, const QString& lang) {
    control->setToolTip(kurz);
    control->setStatusTip(lang);
    control->setAccessibleDescription(lang);
}

} // namespace trv
