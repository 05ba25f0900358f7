// The grid model over a table the core lets the user edit: what a view shows, what it lets the
// user select, and what an edit does, refused or taken.
#include <QBrush>
#include <QSignalSpy>
#include <QTest>

#include "app/bridge/editable_table_model.h"
#include "support/recording_interaction.h"
#include "support/spirit_star_flag_table.h"

using namespace kirvo;

class EditableTableModelTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheCellsAndTheirColours() {
    USysSettings settings;
    settings.SetCell("SiSG", 1, 2, "1");
    settings.SetCell("SiSG", 2, 2, "0");
    settings.SetCell("SiSG", 3, 2, "x");
    SpiritStarFlagTable table(settings);
    RecordingInteraction interaction;
    EditableTableModel model(table, interaction);
    QCOMPARE(model.columnCount(), static_cast<int>(table.columns()));
    QCOMPARE(model.rowCount(), static_cast<int>(table.rows()));
    QCOMPARE(model.data(model.index(2, 0), Qt::DisplayRole).toString(), QString::fromStdString(table.Cell(0, 2)));
    QCOMPARE(model.data(model.index(2, 1), Qt::EditRole).toString(), QStringLiteral("1"));
    const auto background = [&](int column) {
      return model.data(model.index(2, column), Qt::BackgroundRole).value<QBrush>().color();
    };
    QCOMPARE(background(1), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(background(2), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(background(3), QColor(0xFF, 0x00, 0x00));
    QVERIFY(!model.data(model.index(2, 0), Qt::BackgroundRole).isValid());  // the label keeps the view's colour
    QVERIFY(!model.data(model.index(2, 1), Qt::ForegroundRole).isValid());
  }

  void OnlyEditableCellsCanBeSelectedAndEdited() {
    USysSettings settings;
    SpiritStarFlagTable table(settings);
    RecordingInteraction interaction;
    EditableTableModel model(table, interaction);
    QCOMPARE(model.flags(model.index(2, 0)), Qt::ItemFlags(Qt::ItemIsEnabled));
    QCOMPARE(model.flags(model.index(2, 1)), Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    QVERIFY(!model.setData(model.index(2, 0), QStringLiteral("1")));
    QCOMPARE(QString::fromStdString(settings.Cell("SiSG", 0, 2)), QString::fromStdString(table.Cell(0, 2)));
    QCOMPARE(interaction.beeps, 0);
  }

  void ATakenTextIsStoredAndARefusedOneBeepsAndIsShown() {
    USysSettings settings;
    settings.SetCell("SiSG", 1, 2, "1");
    SpiritStarFlagTable table(settings);
    RecordingInteraction interaction;
    EditableTableModel model(table, interaction);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    QVERIFY(model.setData(model.index(2, 1), QStringLiteral("0")));
    QCOMPARE(settings.Cell("SiSG", 1, 2), std::string("0"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.data(model.index(2, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(0xFF, 0xFF, 0x00));

    QVERIFY(!model.setData(model.index(2, 1), QStringLiteral("５")));
    QCOMPARE(settings.Cell("SiSG", 1, 2), std::string("0"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(interaction.beeps, 1);
    QCOMPARE(interaction.messages, std::vector<std::string>{"「５」は整数ではありません"});
    QCOMPARE(interaction.kinds, std::vector<MessageKind>{MessageKind::kWarning});
  }

  void AReloadReadsAChangedTableAgain() {
    USysSettings settings;
    SpiritStarFlagTable table(settings);
    RecordingInteraction interaction;
    EditableTableModel model(table, interaction);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    settings.HideAllSpiritStars();
    model.Reload();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("0"));
  }
};

QTEST_MAIN(EditableTableModelTest)
#include "editable_table_model_test.moc"
