#include "app/widgets/cell_style_delegate.h"

#include <QPainter>

#include "app/bridge/content_grid_model.h"
#include "app/widgets/painting.h"

namespace kirvo {
namespace {

constexpr int kTextPaddingPx = 2;

}  // namespace

CellStyleDelegate::CellStyleDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void CellStyleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const auto* model = qobject_cast<const ContentGridModel*>(index.model());
  if (model == nullptr) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const CellStyle& style = model->StyleOf(index);
  if (!style.drawn) {
    painter->fillRect(option.rect, Qt::white);
    return;
  }
  painter->save();
  QFont font = option.font;
  if (style.font_points > 0) font.setPointSize(style.font_points);
  painter->setFont(font);
  if (style.label) {
    PaintLabelCell(*painter, option.rect, model->TextOf(index), style, fewest_steps_);
  } else {
    PaintPlainCell(*painter, option.rect, model->TextOf(index), style, kTextPaddingPx);
  }
  painter->restore();
}

}  // namespace kirvo
