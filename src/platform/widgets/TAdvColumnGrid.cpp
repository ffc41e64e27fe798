#include "TAdvColumnGrid.h"

#include "TAdvColumnGridDelegate_p.h"
#include "TAdvColumnGridEditor_p.h"
#include "TAdvColumnGridFooter_p.h"
#include "TAdvColumnGridHeader_p.h"
#include "TAdvColumnGridModel_p.h"
#include "platform/data/NumberText.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

TAdvColumnGrid::TAdvColumnGrid(QWidget *parent)
    : QTableView(parent), m_model(new TAdvColumnGridModel(this)), m_footer(new TAdvColumnGridFooter(this)),
      m_editor(new TAdvColumnGridEditor(viewport(), [this](QKeyEvent *event) { return HandleKey(event); }))
{
    setHorizontalHeader(new TAdvColumnGridHeader(this));
    setModel(m_model);
    setItemDelegate(new TAdvColumnGridDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    // Tab is the grid's own key (see event()); the view must not make Tab presses of its own.
    setTabKeyNavigation(false);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);

    connect(m_model, &TAdvColumnGridModel::FooterChanged, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        // A width the clerk drags is the column's width from now on.
        if (!m_applyingWidths && size > 0 && col < ColCount())
            m_model->ChangeColumn(col, [size](auto &column) { column.Width = size; });
        m_footer->update();
    });
    connect(m_editor, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (EditorMode())
            m_model->SetCell(m_editCol, m_editRow, text);
    });

    SetColor(Color());
    SetDefaultRowHeight(m_defaultRowHeight);
    for (int col = 0; col < ColCount(); ++col)
        ApplyColumn(col);
    SetCurrent(0, 1);
}

QString TAdvColumnGrid::Cells(int col, int row) const
{
    return m_model->Cell(col, row);
}

void TAdvColumnGrid::SetCells(int col, int row, const QString &text)
{
    m_model->SetCell(col, row, text);
    if (EditorMode() && col == m_editCol && row == m_editRow && m_editor->text() != text)
        m_editor->setText(text);
}

bool TAdvColumnGrid::IsChecked(int col, int row) const
{
    return m_model->Checked(col, row);
}

void TAdvColumnGrid::SetChecked(int col, int row, bool checked)
{
    m_model->SetChecked(col, row, checked);
}

int TAdvColumnGrid::RowCount() const
{
    return m_model->RowCount();
}

template <typename Change>
void TAdvColumnGrid::ChangeRows(Change change)
{
    HideInplaceEdit();
    const int col = Col();
    const int row = Row();
    change();
    if (m_model->LastDataRow() >= 1)
        SetCurrent(col, std::clamp(row, 1, m_model->LastDataRow()));
    updateGeometries();
}

void TAdvColumnGrid::SetRowCount(int count)
{
    ChangeRows([&] { m_model->SetRowCount(count); });
}

int TAdvColumnGrid::ColCount() const
{
    return m_model->ColCount();
}

void TAdvColumnGrid::SetColCount(int count)
{
    HideInplaceEdit();
    const int old = ColCount();
    const int col = Col();
    const int row = Row();
    m_model->SetColCount(count);
    for (int c = old; c < ColCount(); ++c)
        ApplyColumn(c);
    if (m_model->LastDataRow() >= 1)
        SetCurrent(std::min(col, ColCount() - 1), row);
}

void TAdvColumnGrid::InsertRows(int row, int count)
{
    ChangeRows([&] { m_model->InsertRows(row, count); });
}

void TAdvColumnGrid::RemoveRows(int row, int count)
{
    ChangeRows([&] { m_model->RemoveRows(row, count); });
}

void TAdvColumnGrid::ClearRows(int row, int count)
{
    HideInplaceEdit();
    m_model->ClearRows(row, count);
}

int TAdvColumnGrid::ColWidths(int col) const
{
    return col >= 0 && col < ColCount() ? m_model->Column(col).Width : 0;
}

void TAdvColumnGrid::SetColWidths(int col, int width)
{
    if (col < 0 || col >= ColCount())
        return;
    m_model->ChangeColumn(col, [width](auto &column) { column.Width = std::max(width, 0); });
    ApplyColumn(col);
}

bool TAdvColumnGrid::IsColumnVisible(int col) const
{
    return col >= 0 && col < ColCount() && m_model->Column(col).Visible;
}

void TAdvColumnGrid::HideColumn(int col)
{
    if (col < 0 || col >= ColCount())
        return;
    m_model->ChangeColumn(col, [](auto &column) { column.Visible = false; });
    ApplyColumn(col);
}

void TAdvColumnGrid::UnHideColumn(int col)
{
    if (col < 0 || col >= ColCount())
        return;
    m_model->ChangeColumn(col, [](auto &column) { column.Visible = true; });
    ApplyColumn(col);
}

Qt::Alignment TAdvColumnGrid::ColumnAlignment(int col) const
{
    return col >= 0 && col < ColCount() ? m_model->Column(col).Alignment : Qt::AlignLeft;
}

void TAdvColumnGrid::SetColumnAlignment(int col, Qt::Alignment alignment)
{
    if (col >= 0 && col < ColCount())
        m_model->ChangeColumn(col, [alignment](auto &column) { column.Alignment = alignment & Qt::AlignHorizontal_Mask; });
}

bool TAdvColumnGrid::ColumnReadOnly(int col) const
{
    return col >= 0 && col < ColCount() && m_model->Column(col).ReadOnly;
}

void TAdvColumnGrid::SetColumnReadOnly(int col, bool readOnly)
{
    if (col >= 0 && col < ColCount())
        m_model->ChangeColumn(col, [readOnly](auto &column) { column.ReadOnly = readOnly; });
}

void TAdvColumnGrid::AddCheckBoxColumn(int col)
{
    if (col >= 0 && col < ColCount())
        m_model->ChangeColumn(col, [](auto &column) { column.CheckBox = true; });
}

bool TAdvColumnGrid::IsCheckBoxColumn(int col) const
{
    return col >= 0 && col < ColCount() && m_model->Column(col).CheckBox;
}

quint32 TAdvColumnGrid::ColumnColor(int col) const
{
    return col >= 0 && col < ColCount() ? m_model->Column(col).Color.value_or(Color()) : Color();
}

void TAdvColumnGrid::SetColumnColor(int col, quint32 color)
{
    if (col >= 0 && col < ColCount())
        m_model->ChangeColumn(col, [color](auto &column) { column.Color = color; });
}

void TAdvColumnGrid::SetDefaultRowHeight(int height)
{
    m_defaultRowHeight = std::max(height, 1);
    verticalHeader()->setDefaultSectionSize(m_defaultRowHeight);
    horizontalHeader()->setFixedHeight(m_defaultRowHeight);
    updateGeometries();
}

int TAdvColumnGrid::Col() const
{
    return currentIndex().isValid() ? currentIndex().column() : 0;
}

int TAdvColumnGrid::Row() const
{
    return currentIndex().isValid() ? currentIndex().row() + 1 : FixedRows();
}

void TAdvColumnGrid::FocusCell(int col, int row)
{
    if (!m_model->IsDataRow(row) || col < 0 || col >= ColCount() || (col == Col() && row == Row()))
        return;
    HideInplaceEdit();
    SetCurrent(col, row);
}

bool TAdvColumnGrid::SelectCell(int col, int row)
{
    if (!m_model->IsDataRow(row) || col < 0 || col >= ColCount())
        return false;
    if (col == Col() && row == Row())
        return true;
    if (m_selectCellDepth == 0 && m_onSelectCell) {
        bool canSelect = true;
        ++m_selectCellDepth;
        m_onSelectCell(col, row, canSelect);
        --m_selectCellDepth;
        if (!canSelect)
            return false;
    }
    FocusCell(col, row);
    return true;
}

bool TAdvColumnGrid::CanEditCell(int col, int row) const
{
    if (!m_model->IsDataRow(row) || col < 0 || col >= ColCount())
        return false;
    bool canEdit = (m_editable || IsCheckBoxColumn(col)) && !ColumnReadOnly(col);
    if (m_onCanEditCell)
        m_onCanEditCell(col, row, canEdit);
    return canEdit;
}

bool TAdvColumnGrid::EditorMode() const
{
    return m_editCol >= 0;
}

void TAdvColumnGrid::ShowInplaceEdit()
{
    const int col = Col();
    const int row = Row();
    if (EditorMode() || !currentIndex().isValid() || IsCheckBoxColumn(col) || !IsShownColumn(col) || !CanEditCell(col, row))
        return;
    m_editOriginal = Cells(col, row);
    m_editor->setText(m_editOriginal);
    m_editor->setAlignment(ColumnAlignment(col) | Qt::AlignVCenter);
    m_editor->selectAll();
    m_editCol = col;
    m_editRow = row;
    updateEditorGeometries();
    m_editor->show();
    m_editor->setFocus();
}

void TAdvColumnGrid::HideInplaceEdit()
{
    if (!EditorMode())
        return;
    // The focus comes back before the editor goes, so that hiding it moves the focus nowhere else.
    if (m_editor->hasFocus())
        setFocus();
    m_editCol = -1;
    m_editRow = -1;
    m_editor->hide();
}

bool TAdvColumnGrid::Focused() const
{
    return hasFocus() || m_editor->hasFocus();
}

bool TAdvColumnGrid::FloatingFooter() const
{
    return m_model->HasFooter();
}

void TAdvColumnGrid::SetFloatingFooter(bool visible)
{
    ChangeRows([&] { m_model->SetHasFooter(visible); });
}

void TAdvColumnGrid::SetColumnCalc(int col, TColumnCalc calc, const QString &format)
{
    if (col >= 0 && col < ColCount())
        m_model->ChangeColumn(col, [&](auto &column) {
            column.Sum = calc == acSUM;
            column.SumFormat = format;
        });
}

void TAdvColumnGrid::CalcFooter(int col)
{
    if (!FloatingFooter() || col < 0 || col >= ColCount() || !m_model->Column(col).Sum)
        return;
    double sum = 0;
    for (int row = 1; row <= m_model->LastDataRow(); ++row)
        sum += TryStrToFloat(Cells(col, row)).value_or(0);
    m_model->SetCell(col, m_model->FooterRow(), FormatFloat(m_model->Column(col).SumFormat, sum));
}

void TAdvColumnGrid::RecalcFooter()
{
    for (int col = 0; col < ColCount(); ++col)
        CalcFooter(col);
}

QString TAdvColumnGrid::FooterText(int col) const
{
    return FloatingFooter() ? Cells(col, m_model->FooterRow()) : QString();
}

double TAdvColumnGrid::FooterValue(int col) const
{
    return TryStrToFloat(FooterText(col)).value_or(0);
}

quint32 TAdvColumnGrid::Color() const
{
    return m_model->CellColor();
}

void TAdvColumnGrid::SetColor(quint32 color)
{
    m_model->SetCellColor(color);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ColorToQColor(color));
    setPalette(colours);
}

void TAdvColumnGrid::SetBigCellColor(quint32 color)
{
    m_bigCellColor = color;
    Repaint();
}

void TAdvColumnGrid::SetGridLineColor(quint32 color)
{
    m_gridLineColor = color;
    Repaint();
}

void TAdvColumnGrid::SetFixedColor(quint32 color)
{
    m_fixedColor = color;
    Repaint();
}

void TAdvColumnGrid::SetFixedFontColor(quint32 color)
{
    m_fixedFontColor = color;
    Repaint();
}

void TAdvColumnGrid::SetFloatingFooterColor(quint32 color)
{
    m_floatingFooterColor = color;
    Repaint();
}

void TAdvColumnGrid::SetFixedFont(const QFont &font)
{
    m_fixedFont = font;
    Repaint();
}

void TAdvColumnGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    // The footer floats over the bottom of the cells: a row under it is not yet in sight.
    if (!index.isValid() || FooterHeight() == 0)
        return;
    const int covered = visualRect(index).bottom() + 1 - (viewport()->height() - FooterHeight());
    if (covered > 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + covered);
}

bool TAdvColumnGrid::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        // Tab and Backtab are keys of the grid like the others, not a move to the next control.
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    case QEvent::Paint: {
        const bool result = QTableView::event(event);
        QPainter painter(this);
        painter.setPen(ColorToQColor(m_bigCellColor));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return result;
    }
    default:
        return QTableView::event(event);
    }
}

void TAdvColumnGrid::keyPressEvent(QKeyEvent *event)
{
    if (m_editor->TakeLeftover(event)) {
        event->ignore();
        return;
    }
    const bool handled = HandleKey(event);
    if (!handled && EditorMode())
        m_editor->Deliver(event);
    else
        event->setAccepted(handled);
}

bool TAdvColumnGrid::HandleKey(QKeyEvent *event)
{
    int key = event->key();
    if (key != 0 && m_onKeyDown) {
        m_onKeyDown(key, event->modifiers());
        if (key == 0)
            return true;
    }
    QChar character = event->text().isEmpty() ? QChar() : event->text().at(0);
    if (!character.isNull() && m_onKeyPress) {
        m_onKeyPress(character);
        if (character.isNull())
            return true;
    }
    return Navigate(key, event->modifiers()) || TypeCharacter(character);
}

bool TAdvColumnGrid::Navigate(int key, Qt::KeyboardModifiers shift)
{
    switch (key) {
    case Qt::Key_Up:
        MoveRows(-1);
        return true;
    case Qt::Key_Down:
        MoveRows(1);
        return true;
    case Qt::Key_PageUp:
        MoveRows(-PageRows());
        return true;
    case Qt::Key_PageDown:
        MoveRows(PageRows());
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        if ((shift & Qt::ShiftModifier) || !EditorAtEdge(key))
            return false;
        const int col = NextShownColumn(Col(), key == Qt::Key_Left ? -1 : 1);
        if (col >= 0)
            SelectCell(col, Row());
        return true;
    }
    case Qt::Key_Home:
    case Qt::Key_End: {
        if (EditorMode())
            return false;
        const bool home = key == Qt::Key_Home;
        const int col = home ? NextShownColumn(-1, 1) : NextShownColumn(ColCount(), -1);
        const int row = shift & Qt::ControlModifier ? (home ? 1 : m_model->LastDataRow()) : Row();
        if (col >= 0)
            SelectCell(col, row);
        return true;
    }
    case Qt::Key_Tab:
        Advance(1);
        return true;
    case Qt::Key_Backtab:
        Advance(-1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        HideInplaceEdit();
        Advance(1);
        return true;
    case Qt::Key_Escape:
        if (!EditorMode())
            return false;
        m_editor->setText(m_editOriginal);
        HideInplaceEdit();
        return true;
    case Qt::Key_F2:
        ShowInplaceEdit();
        return true;
    case Qt::Key_Space:
        if (EditorMode() || !IsCheckBoxColumn(Col()))
            return false;
        ToggleCheck(Col(), Row());
        return true;
    default:
        return false;
    }
}

bool TAdvColumnGrid::TypeCharacter(QChar character)
{
    if (!character.isPrint())
        return false;
    ShowInplaceEdit();
    if (!EditorMode())
        return false;
    m_editor->insert(QString(character));
    return true;
}

bool TAdvColumnGrid::EditorAtEdge(int key) const
{
    if (!EditorMode())
        return true;
    if (m_editor->hasSelectedText())
        return false;
    return key == Qt::Key_Left ? m_editor->cursorPosition() == 0 : m_editor->cursorPosition() == m_editor->text().size();
}

void TAdvColumnGrid::MoveRows(int delta)
{
    if (m_model->LastDataRow() < 1)
        return;
    const int row = std::clamp(Row() + delta, 1, m_model->LastDataRow());
    if (row != Row())
        SelectCell(Col(), row);
}

void TAdvColumnGrid::Advance(int direction)
{
    int col = NextShownColumn(Col(), direction);
    int row = Row();
    if (col < 0) {
        row += direction;
        col = direction > 0 ? NextShownColumn(-1, 1) : NextShownColumn(ColCount(), -1);
    }
    if (col >= 0 && m_model->IsDataRow(row))
        SelectCell(col, row);
}

void TAdvColumnGrid::ToggleCheck(int col, int row)
{
    if (CanEditCell(col, row))
        SetChecked(col, row, !IsChecked(col, row));
}

bool TAdvColumnGrid::IsShownColumn(int col) const
{
    return IsColumnVisible(col) && ColWidths(col) > 0;
}

int TAdvColumnGrid::NextShownColumn(int col, int direction) const
{
    for (int c = col + direction; c >= 0 && c < ColCount(); c += direction) {
        if (IsShownColumn(c))
            return c;
    }
    return -1;
}

int TAdvColumnGrid::FooterHeight() const
{
    return FloatingFooter() ? m_defaultRowHeight : 0;
}

int TAdvColumnGrid::PageRows() const
{
    return std::max(1, (viewport()->height() - FooterHeight()) / m_defaultRowHeight);
}

void TAdvColumnGrid::mousePressEvent(QMouseEvent *event)
{
    if (!Focused())
        setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    const int col = index.column();
    const int row = index.row() + 1;
    if (SelectCell(col, row) && IsCheckBoxColumn(col))
        ToggleCheck(col, row);
}

void TAdvColumnGrid::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging does not select: the cursor moves only where OnSelectCell agrees.
    if (event->buttons() == Qt::NoButton)
        QTableView::mouseMoveEvent(event);
}

void TAdvColumnGrid::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void TAdvColumnGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    const int col = index.column();
    const int row = index.row() + 1;
    // The second click of a double click ticks a check box again, as two clicks would.
    if (IsCheckBoxColumn(col)) {
        if (SelectCell(col, row))
            ToggleCheck(col, row);
    } else if (col == Col() && row == Row()) {
        ShowInplaceEdit();
    }
    emit doubleClicked(index);
}

void TAdvColumnGrid::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    const int rows = m_model->rowCount();
    const int lastCol = NextShownColumn(ColCount(), -1);
    if (rows == 0 || lastCol < 0)
        return;
    QPainter painter(viewport());
    painter.setPen(ColorToQColor(m_gridLineColor));
    const int bottom = rowViewportPosition(rows - 1) + rowHeight(rows - 1) - 1;
    const int right = columnViewportPosition(lastCol) + columnWidth(lastCol) - 1;
    for (int col = 0; col < ColCount(); ++col) {
        if (!isColumnHidden(col)) {
            const int x = columnViewportPosition(col) + columnWidth(col) - 1;
            painter.drawLine(x, 0, x, bottom);
        }
    }
    const int firstRow = std::max(rowAt(0), 0);
    const int lastRow = rowAt(viewport()->height() - 1) < 0 ? rows - 1 : rowAt(viewport()->height() - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        const int y = rowViewportPosition(row) + rowHeight(row) - 1;
        painter.drawLine(0, y, right, y);
    }
}

void TAdvColumnGrid::updateGeometries()
{
    QTableView::updateGeometries();
    const int footerHeight = FooterHeight();
    m_footer->setVisible(footerHeight > 0);
    if (footerHeight == 0)
        return;
    const QRect cells = viewport()->geometry();
    m_footer->setGeometry(cells.left(), cells.bottom() + 1 - footerHeight, cells.width(), footerHeight);
    m_footer->raise();
    // Room to scroll the last data row out from under the footer.
    verticalScrollBar()->setRange(0, std::max(0, verticalHeader()->length() - cells.height() + footerHeight));
}

void TAdvColumnGrid::updateEditorGeometries()
{
    QTableView::updateEditorGeometries();
    if (EditorMode())
        m_editor->setGeometry(visualRect(m_model->index(m_editRow - 1, m_editCol)).adjusted(0, 0, -1, -1));
}

void TAdvColumnGrid::ApplyColumn(int col)
{
    const TAdvColumnGridModel::TColumn &column = m_model->Column(col);
    m_applyingWidths = true;
    setColumnHidden(col, !column.Visible || column.Width <= 0);
    if (column.Width > 0)
        setColumnWidth(col, column.Width);
    m_applyingWidths = false;
    m_footer->update();
}

void TAdvColumnGrid::SetCurrent(int col, int row)
{
    const QModelIndex index = m_model->index(row - 1, col);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void TAdvColumnGrid::Repaint()
{
    viewport()->update();
    horizontalHeader()->viewport()->update();
    m_footer->update();
    update();
}
