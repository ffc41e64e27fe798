#include "ModalRunner.h"

#include <QDialog>

#include <utility>

namespace Win {
namespace {

int ExecDialog(QDialog &dialog)
{
    return dialog.exec();
}

TModalRunner &CurrentRunner()
{
    static TModalRunner runner = ExecDialog;
    return runner;
}

} // namespace

int RunModal(QDialog &dialog)
{
    return CurrentRunner()(dialog);
}

TModalRunner SetModalRunner(TModalRunner runner)
{
    return std::exchange(CurrentRunner(), runner ? std::move(runner) : TModalRunner(ExecDialog));
}

} // namespace Win
