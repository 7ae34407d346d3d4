#include "ui/start/Tooltipzeiten.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace trv {

namespace {

class Stil : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* rueckgabe) const override {
        if (hint == SH_ToolTip_WakeUpDelay) {
            return Tooltipzeiten::Verzoegerung;
        }
        return QProxyStyle::styleHint(hint, option, widget, rueckgabe);
    }
};

} // namespace

Tooltipzeiten::Tooltipzeiten(QApplication& app) {
    QApplication::setStyle(new Stil);
    app.installEventFilter(this);
}

bool Tooltipzeiten::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::ToolTip) {
        auto* widget = qobject_cast<QWidget*>(objekt);
        if (widget != nullptr && !widget->toolTip().isEmpty() && widget->toolTipDuration() < 0) {
            const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
            QToolTip::showText(hilfe->globalPos(), widget->toolTip(), widget, {}, Anzeigedauer);
            return true;
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace trv
