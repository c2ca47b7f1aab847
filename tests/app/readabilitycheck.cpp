#include "readabilitycheck.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocument>

#include <cmath>
#include <map>

namespace ReadabilityCheck {

namespace {

double luminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

QString nameOf(const QWidget *w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    QString path = QString::fromLatin1(w->metaObject()->className());
    for (const QWidget *up = w->parentWidget(); up; up = up->parentWidget()) {
        if (!up->objectName().isEmpty())
            return up->objectName() + QStringLiteral("/") + path;
    }
    return path;
}

// The text as drawn: a single "&" marks a shortcut and is not shown.
QString shownText(const QString &text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The size a tab asks for, before the bar squeezes or elides it.
struct TabBarAccess : QTabBar
{
    using QTabBar::tabSizeHint;
};

struct TextPlace
{
    const QWidget *widget;
    QString text;
    QRect area;   // where the text is drawn, in the widget
    QString what; // the name in an offence
};

class Walker
{
public:
    Walker(QWidget *window) : m_window(window), m_image(window->grab().toImage().convertToFormat(QImage::Format_RGB32))
    {
    }

    QStringList run()
    {
        for (QWidget *w : m_window->findChildren<QWidget *>()) {
            if (w->isVisibleTo(m_window) && !w->isWindow() && uncovered(w))
                visit(w);
        }
        return m_offences;
    }

private:
    // A widget under an opaque sibling shows nothing to read or click.
    bool uncovered(const QWidget *w) const
    {
        if (w->testAttribute(Qt::WA_TransparentForMouseEvents) || w->rect().isEmpty())
            return true;
        const QPoint centre = w->mapTo(m_window, w->rect().center());
        const QWidget *top = m_window->childAt(centre);
        return top && (top == w || w->isAncestorOf(top) || top->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void visit(QWidget *w)
    {
        if (auto *label = qobject_cast<QLabel *>(w))
            return checkLabel(label);
        if (auto *box = qobject_cast<QGroupBox *>(w))
            return checkGroupBox(box);
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            return checkButton(button);
        if (auto *bar = qobject_cast<QTabBar *>(w))
            return checkTabs(bar);
        if (auto *bar = qobject_cast<QMenuBar *>(w))
            return checkMenuBar(bar);
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (!edit->text().isEmpty() && edit->echoMode() == QLineEdit::Normal)
                checkContrast({edit, edit->text(), edit->rect().adjusted(3, 3, -3, -3), nameOf(edit)});
        }
    }

    void checkLabel(QLabel *label)
    {
        const QString text = label->text();
        if (text.trimmed().isEmpty() || !label->pixmap().isNull())
            return;
        const QRect area = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        QSize needed;
        if (Qt::mightBeRichText(text) && label->textFormat() != Qt::PlainText) {
            QTextDocument document;
            document.setDefaultFont(label->font());
            document.setDocumentMargin(0);
            document.setHtml(text);
            if (label->wordWrap())
                document.setTextWidth(area.width());
            needed = document.size().toSize();
            needed.setWidth(static_cast<int>(document.idealWidth()));
        } else {
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            needed = label->fontMetrics().boundingRect(area, flags, text).size();
        }
        const QRect textArea = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                                   needed.boundedTo(area.size()), area);
        checkFit(nameOf(label), text, needed, area.size());
        checkContrast({label, text, textArea, nameOf(label)});
    }

    void checkButton(QAbstractButton *button)
    {
        if (qobject_cast<QCheckBox *>(button))
            checkIndicator(button, QStyle::SE_CheckBoxIndicator);
        else if (qobject_cast<QRadioButton *>(button))
            checkIndicator(button, QStyle::SE_RadioButtonIndicator);
        const QString text = shownText(button->text());
        if (text.trimmed().isEmpty())
            return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox *>(button))
            element = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton *>(button))
            element = QStyle::SE_RadioButtonContents;
        const QRect area = button->style()->subElementRect(element, &option, button);
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const QSize needed(button->fontMetrics().horizontalAdvance(text) + icon, button->fontMetrics().height());
        checkFit(nameOf(button), text, needed, area.size());
        checkContrast({button, text, area, nameOf(button)});
    }

    // A box or a round button, checked or not, must stand out from the ground
    // around it by the 3:1 that graphics need; most have no caption of their own.
    void checkIndicator(QAbstractButton *button, QStyle::SubElement element)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect local = button->style()->subElementRect(element, &option, button);
        const QRect inside = QRect(button->mapTo(m_window, local.topLeft()), local.size()).intersected(m_image.rect());
        const QRect around = inside.adjusted(-3, -3, 3, 3).intersected(m_image.rect());
        if (inside.isEmpty())
            return;
        std::map<QRgb, int> counts;
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                if (!inside.contains(x, y))
                    ++counts[m_image.pixel(x, y) & 0xffffff];
            }
        }
        const QRgb ground = commonest(counts);
        double best = 1.0;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x)
                best = std::max(best, contrast(m_image.pixel(x, y) & 0xffffff, ground));
        }
        if (best < MinimumGraphicContrast)
            m_offences << nameOf(button) + QStringLiteral(": %1 indicator unreadable, contrast %2:1 on #%3")
                                               .arg(button->isChecked() ? QStringLiteral("checked")
                                                                        : QStringLiteral("unchecked"))
                                               .arg(best, 0, 'f', 1)
                                               .arg(ground, 6, 16, QLatin1Char('0'));
    }

    static QRgb commonest(const std::map<QRgb, int> &counts)
    {
        QRgb ground = 0;
        int most = -1;
        for (const auto &[colour, count] : counts) {
            if (count > most) {
                most = count;
                ground = colour;
            }
        }
        return ground;
    }

    void checkGroupBox(QGroupBox *box)
    {
        const QString text = shownText(box->title());
        if (text.trimmed().isEmpty())
            return;
        const QFontMetrics metrics = box->fontMetrics();
        // Room for the title: the frame's corners on either side.
        const QSize needed(metrics.horizontalAdvance(text) + 16, metrics.height());
        checkFit(nameOf(box), text, needed, box->size());
        const QRect area(8, 0, std::min(needed.width() - 16, box->width() - 16), metrics.height());
        checkContrast({box, text, area, nameOf(box)});
    }

    void checkTabs(QTabBar *bar)
    {
        const bool vertical = bar->shape() == QTabBar::RoundedWest || bar->shape() == QTabBar::RoundedEast
                              || bar->shape() == QTabBar::TriangularWest || bar->shape() == QTabBar::TriangularEast;
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i) || bar->tabText(i).isEmpty())
                continue;
            const QString what = nameOf(bar) + QStringLiteral(" tab \"%1\"").arg(shownText(bar->tabText(i)));
            const QRect tab = bar->tabRect(i);
            const QSize hint = (bar->*(&TabBarAccess::tabSizeHint))(i);
            const bool whole = vertical ? tab.height() >= hint.height() : tab.width() >= hint.width();
            if (!whole || !bar->rect().contains(tab))
                m_offences << what + QStringLiteral(": cut, needs %1 pixels, has %2")
                                         .arg(vertical ? hint.height() : hint.width())
                                         .arg(vertical ? bar->rect().intersected(tab).height()
                                                       : bar->rect().intersected(tab).width());
            checkContrast({bar, bar->tabText(i), tab.adjusted(2, 2, -2, -2), what});
        }
    }

    void checkMenuBar(QMenuBar *bar)
    {
        for (QAction *action : bar->actions()) {
            if (!action->isVisible() || action->isSeparator() || action->text().isEmpty())
                continue;
            const QString what = nameOf(bar) + QStringLiteral(" item \"%1\"").arg(shownText(action->text()));
            const QRect item = bar->actionGeometry(action);
            if (item.isEmpty() || !bar->rect().contains(item))
                m_offences << what + QStringLiteral(": out of the menu bar");
            else
                checkContrast({bar, action->text(), item, what});
        }
    }

    void checkFit(const QString &what, const QString &text, QSize needed, QSize room)
    {
        if (needed.width() > room.width() || needed.height() > room.height())
            m_offences << what + QStringLiteral(": \"%1\" cut, needs %2x%3 pixels, has %4x%5")
                                     .arg(shownText(text).left(60))
                                     .arg(needed.width())
                                     .arg(needed.height())
                                     .arg(room.width())
                                     .arg(room.height());
    }

    // The ground is the commonest colour where the text is drawn; the text is
    // the pixel that stands out from it most.
    void checkContrast(const TextPlace &place)
    {
        const QRect area =
            QRect(place.widget->mapTo(m_window, place.area.topLeft()), place.area.size()).intersected(m_image.rect());
        if (area.isEmpty())
            return;
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[m_image.pixel(x, y) & 0xffffff];
        }
        const QRgb ground = commonest(counts);
        double best = 1.0;
        for (const auto &entry : counts)
            best = std::max(best, contrast(entry.first, ground));
        if (best < MinimumContrast)
            m_offences << place.what + QStringLiteral(": \"%1\" unreadable, contrast %2:1 on #%3")
                                           .arg(shownText(place.text).left(60))
                                           .arg(best, 0, 'f', 1)
                                           .arg(ground, 6, 16, QLatin1Char('0'));
    }

    QWidget *m_window;
    QImage m_image;
    QStringList m_offences;
};

} // namespace

double contrast(unsigned int rgb1, unsigned int rgb2)
{
    const double a = luminance(rgb1);
    const double b = luminance(rgb2);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QStringList offences(QWidget *window)
{
    return Walker(window).run();
}

} // namespace ReadabilityCheck
