#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "presentation/panel/chart_content_model.h"

namespace kirvo {

// A Qt table model over one grid of the chart content: the texts as display role, each cell's
// style for the cell-style delegate, the grid's hover hints as tooltips. The grid is copied in,
// so the model never points into content that a refresh replaces.
class ContentGridModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The hint of a cell, from the core; nothing for no hint.
  using HintLookup = std::function<std::optional<std::string>(std::size_t column, std::size_t row)>;

  explicit ContentGridModel(QObject* parent = nullptr);

  // Shows `grid`: a grid of another shape resets the model, one of the same shape only reports
  // the cells as changed.
  void SetGrid(const ContentGrid& grid);
  const ContentGrid& Grid() const { return grid_; }
  void SetHintLookup(HintLookup lookup) { hint_ = std::move(lookup); }

  const CellStyle& StyleOf(const QModelIndex& index) const;
  const QString& TextOf(const QModelIndex& index) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  ContentGrid grid_;
  std::vector<QString> texts_;  // row · columns + column, converted once per refresh
  HintLookup hint_;
};

}  // namespace kirvo
