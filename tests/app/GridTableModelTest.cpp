// The table model against grid tables: sizes, texts, check boxes, colours and notifications.
#include "app/DisplayText.h"
#include "app/GridTableCsv.h"
#include "app/GridTableModel.h"
#include "app/ReadableColour.h"
#include "grid/MockGrid.h"
#include "grid/MockGridTable.h"

#include <QSignalSpy>
#include <QTest>

#include <sstream>

using ZrlApp::GridTableModel;

namespace {

// Two rows; column "On" is a check box, rows have their own colours, rows can be added.
class CheckTable : public CommonLib::MockGridTable {
public:
    CheckTable() : MockGridTable(0, 2, "check", "Check") { columnIds = {"Name", "On"}; }
    std::uint32_t getRowCount() const override { return static_cast<std::uint32_t>(states.size()); }
    bool getColumnTraits(const std::string& id, CommonLib::GridCellTraits& traits) const override
    {
        if (id == "On")
            traits.editorKind = CommonLib::GridEditorCheckBox;
        if (id == "Name")
            traits.alignment = CommonLib::GridAlignRight;
        return true;
    }
    bool getCellValue(std::uint32_t row, const std::string&, std::uint32_t& value) const override
    {
        value = row < states.size() ? states[row] : 0;
        return true;
    }
    void setCellText(std::uint32_t row, const std::string& id, const std::string&) override
    {
        if (id == "On" && row < states.size())
            states[row] ^= 1u;
    }
    std::uint32_t getRowTextColour(std::uint32_t row) const override { return row == 0 ? 0x0000FFu : 0xFFFFFFFFu; }
    std::uint32_t getRowBackColour(std::uint32_t row) const override { return row == 1 ? 0x00FF8000u : 0xFFFFFFFFu; }

    std::vector<std::uint32_t> states{1, 0};
};

} // namespace

class GridTableModelTest : public QObject {
    Q_OBJECT
private slots:
    void coreTextsShowTheirDegreeSignsAndUtf8Names()
    {
        // Decoded positions carry the Latin-1 degree sign; table names may be UTF-8.
        QCOMPARE(ZrlApp::displayText("50\xB0 47.578824' N"), QString::fromUtf8("50\u00B0 47.578824' N"));
        QCOMPARE(ZrlApp::displayText("B\xC3\xB6ning"), QString::fromUtf8("B\u00F6ning"));
        QCOMPARE(ZrlApp::displayText("\xB0 C"), QString::fromUtf8("\u00B0 C"));
        QCOMPARE(ZrlApp::displayText("cut \xE2\x80"), QString::fromLatin1("cut \xE2\x80"));
        QCOMPARE(ZrlApp::displayText(""), QString());
    }

    void unboundModelIsEmpty()
    {
        GridTableModel model;
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
        QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("x")));
    }

    void sizesTextsAndHeadersComeFromTheTable()
    {
        GridTableModel model;
        model.bindTable(std::make_shared<CommonLib::MockGridTable>(3, 2, "mock", "Mock"));
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("COL_01"));
        QCOMPARE(model.data(model.index(2, 1)).toString(), QStringLiteral("R 02 C COL_01"));
        QVERIFY(!model.data(model.index(3, 0)).isValid());
        QVERIFY(!model.data(model.index(0, 0), Qt::CheckStateRole).isValid());
    }

    void checkBoxColumnShowsStateAndNoText()
    {
        GridTableModel model;
        auto table = std::make_shared<CheckTable>();
        model.bindTable(table);
        QCOMPARE(model.data(model.index(0, 1), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(model.data(model.index(1, 1), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(model.data(model.index(0, 1)).toString().isEmpty());
        QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable));

        QSignalSpy edited(&model, &GridTableModel::cellEdited);
        QVERIFY(model.setData(model.index(1, 1), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(table->states[1], 1u);
        QCOMPARE(model.data(model.index(1, 1), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    void rowColoursAndAlignmentFollowTheTable()
    {
        GridTableModel model;
        model.bindTable(std::make_shared<CheckTable>());
        // COLORREF words are blue-green-red from the top byte down; text colours are made
        // readable on the row's background (red darkened on white, dark text lightened or
        // darkened on orange).
        const QColor red = model.data(model.index(0, 0), Qt::ForegroundRole).value<QColor>();
        QVERIFY(red.red() > 150 && red.green() == 0 && red.blue() == 0);
        QVERIFY(ZrlApp::contrastRatio(red, Qt::white) >= 4.5);
        const QColor onOrange = model.data(model.index(1, 0), Qt::ForegroundRole).value<QColor>();
        QVERIFY(ZrlApp::contrastRatio(onOrange, QColor(0, 0x80, 0xFF)) >= 4.5);
        QCOMPARE(model.data(model.index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(0, 0x80, 0xFF));
        QVERIFY(!model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
        const auto alignment = model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>();
        QVERIFY(alignment & Qt::AlignRight);
    }

    void tableChangeFromAnotherThreadIsAppliedOnTheModelThread()
    {
        GridTableModel model;
        auto table = std::make_shared<CheckTable>();
        model.bindTable(table);
        table->states.push_back(1);
        auto grid = std::make_shared<CommonLib::MockGrid>("check");
        std::thread([&table, grid] { table->notifyTableChanged(grid); }).join();
        // Nothing changes until the posted refresh runs on this thread.
        QCOMPARE(model.rowCount(), 2);
        QTRY_COMPARE(model.rowCount(), 3);
        QCOMPARE(model.data(model.index(2, 1), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    void tableSetSwapsColumnsAndRows()
    {
        GridTableModel model;
        model.bindTable(std::make_shared<CheckTable>());
        model.onTableSet(std::make_shared<CommonLib::MockGridTable>(5, 3, "mock", "Mock"));
        QCOMPARE(model.columnCount(), 2);
        QTRY_COMPARE(model.columnCount(), 3);
        QCOMPARE(model.rowCount(), 5);
    }

    void csvHasHeaderAndOneLinePerRow()
    {
        std::ostringstream out;
        ZrlApp::writeTableCsv(CommonLib::MockGridTable(2, 2, "mock", "Mock"), out);
        QCOMPARE(QString::fromStdString(out.str()),
                 QStringLiteral("COL_00, COL_01\r\nR 00 C COL_00, R 00 C COL_01\r\nR 01 C COL_00, R 01 C COL_01\r\n"));
    }
};

QTEST_MAIN(GridTableModelTest)
#include "GridTableModelTest.moc"
