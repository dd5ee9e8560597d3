#pragma once
// Draws each tree item from its own element ("drawitem.item") with its
// "item.name" value as the text; the item's own text is the program's key and
// is shown only when no display text was given.
#include <QStyledItemDelegate>

class SkinItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static QString DisplayText(const QModelIndex& index);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
