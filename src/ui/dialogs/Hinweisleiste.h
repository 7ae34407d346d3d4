#pragma once

#include <QStatusBar>

namespace trv {

// The status bar of a dialog: shows two blanks and the long hint of the control under the
// mouse (its status tip) while the dialog is active.
class Hinweisleiste : public QStatusBar {
    Q_OBJECT
public:
    explicit Hinweisleiste(QWidget* dialog);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

// Sets a control's short hint (tool tip) and long hint (status tip, also its accessible
// description).
void HinweisSetzen(QWidget* control, const QString& kurz, const QString& lang);

} // namespace trv
