#include "clickablelabelaccessible.h"

#include "clickablelabel.h"

#include <QMetaObject>

namespace {

QAccessibleInterface *create(const QString &className, QObject *object)
{
    auto *label = qobject_cast<ClickableLabel *>(object);
    if (!label || className != QLatin1String("ClickableLabel"))
        return nullptr;
    return new ClickableLabelAccessible(label);
}

} // namespace

ClickableLabelAccessible::ClickableLabelAccessible(ClickableLabel *label)
    : QAccessibleWidget(label, QAccessible::Button)
{
}

void ClickableLabelAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(create);
        return true;
    }();
    Q_UNUSED(installed);
}

ClickableLabel *ClickableLabelAccessible::label() const { return static_cast<ClickableLabel *>(widget()); }

QString ClickableLabelAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return label()->text().isEmpty() ? label()->toolTip() : label()->text();
    case QAccessible::Description:
        return label()->description();
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList ClickableLabelAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void ClickableLabelAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !widget()->isEnabled()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // After the tool has had its answer: what the click opens may wait for
    // the person, and the tool would wait with it.
    QMetaObject::invokeMethod(label(), &ClickableLabel::press, Qt::QueuedConnection);
}

QStringList ClickableLabelAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction())
        return { QStringLiteral("Space") };
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
