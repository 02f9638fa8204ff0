#include "LanguageList.h"

#include "FormPictures.h"
#include "SmoothText.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int RowHeight = 20;

class LanguageDelegate final : public QStyledItemDelegate {
public:
    explicit LanguageDelegate(LanguageList* list) : QStyledItemDelegate(list), m_list(list) {}
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& index) const override
    {
        const bool selected = o.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        m_list->drawItem(*p, o.rect, index.data().toString(), selected);
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return QSize(100, RowHeight); }

private:
    LanguageList* m_list;
};

} // namespace

LanguageList::LanguageList(QWidget* parent, const char* name, bool spanishByName)
    : QComboBox(parent), m_spanishByName(spanishByName)
{
    setObjectName(QLatin1String(name));
    setFont(PixelFont(QStringLiteral("Tahoma"), 13));
    setItemDelegate(new LanguageDelegate(this));
    view()->setMouseTracking(true);
}

int LanguageList::itemId(const QString& item)
{
    const int eq = item.indexOf(u'=');
    bool ok = false;
    const int id = eq < 0 ? -1 : item.mid(eq + 1).toInt(&ok);
    return ok ? id : -1;
}

int LanguageList::selectedId() const
{
    return currentIndex() < 0 ? -1 : itemId(currentText());
}

int LanguageList::indexOfId(int id) const
{
    for (int i = 0; i < count(); ++i)
        if (itemId(itemText(i)) == id)
            return i;
    return -1;
}

QString LanguageList::displayName(const QString& item) const
{
    QString name = item.left(item.indexOf(u'='));
    if (m_spanishByName && itemId(item) == 4)
        name = QStringLiteral("español");
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name;
}

void LanguageList::drawItem(QPainter& p, const QRect& r, const QString& item, bool selected) const
{
    p.fillRect(r, selected ? QColor(192, 192, 192) : QColor(Qt::white));
    const int id = itemId(item);
    if (id != 255) {
        const QImage flag = FormPicture(QStringLiteral("F%1").arg(id));
        if (!flag.isNull())
            p.drawImage(r.left() + 6, r.top() + 2, flag);
    }
    p.setFont(font());
    p.setPen(Qt::black);
    DrawSmoothText(p, r.left() + 34, r.top() + 2, displayName(item));
}

// The closed list shows its selected item the same way, with an arrow.
void LanguageList::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), Qt::white);
    if (currentIndex() >= 0)
        drawItem(p, QRect(1, (height() - RowHeight) / 2, width() - 22, RowHeight), currentText(), false);
    const QImage arrow = FormPicture(QStringLiteral("SB_DOWN"));
    p.drawImage(QRect(width() - 20, (height() - 18) / 2, 18, 18), arrow);
    p.setPen(QColor(111, 182, 240));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}
