#include "SkinItemDelegate.h"

#include "external/skin/SkinEngine.h"
#include "external/skin/SkinState.h"
#include "platform/Gbk.h"

#include <QTreeView>

namespace {

const SkinElement* ElementOf(const QModelIndex& index) {
    const QVariant name = index.siblingAtColumn(0).data(SkinState::kItemElementRole);
    const SkinElement* e =
        name.isValid() ? SkinEngine::Instance().Library().Find(name.toByteArray().toStdString())
                       : nullptr;
    return e && e->kind == "drawitem" ? e : nullptr;
}

}  // namespace

QString SkinItemDelegate::DisplayText(const QModelIndex& index) {
    const QVariantMap values = index.siblingAtColumn(0).data(SkinState::kItemValuesRole).toMap();
    auto it = values.find(QStringLiteral("item.name"));
    if (it != values.end())
        return platform::GbkToQString(it->toByteArray().toStdString());
    return index.data(Qt::DisplayRole).toString();
}

void SkinItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem o(option);
    if (index.model()->hasChildren(index))
        o.state |= QStyle::State_Children;
    if (auto* tree = qobject_cast<const QTreeView*>(option.widget); tree && tree->isExpanded(index))
        o.state |= QStyle::State_Open;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    SkinEngine::Instance().DrawTreeItem(*painter, o, DisplayText(index), ElementOf(index));
    painter->restore();
}

QSize SkinItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const SkinElement* e = ElementOf(index);
    const int height = e ? e->props.value("height").toInt(24) : 24;
    return {option.rect.width(), height};
}
