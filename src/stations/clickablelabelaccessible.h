#pragma once

#include <QAccessibleWidget>

class ClickableLabel;

// How assistive tools see a clickable label: a push button named by its
// caption (or, for a picture, its hint), described as the description line
// describes it, with a press action that is the click.
class ClickableLabelAccessible final : public QAccessibleWidget
{
public:
    explicit ClickableLabelAccessible(ClickableLabel *label);

    // Makes every clickable label use this interface; safe to call often.
    static void install();

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    ClickableLabel *label() const;
};
