#include "window/plot_description.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace hc {

namespace {

QAccessibleInterface* ForPlot(const QString&, QObject* object) {
    if (auto* plot = dynamic_cast<PlotDescription*>(object))
        return new QAccessibleWidget(plot, QAccessible::Graphic);
    return nullptr;
}

} // namespace

PlotDescription::PlotDescription(const QRect& plot, QWidget* window)
    : QWidget(window) {
    static const bool installed = (QAccessible::installFactory(ForPlot), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Plot"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(plot);
}

} // namespace hc
