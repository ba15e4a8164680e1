#include "puzzlechooser.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

namespace PuzzleChooser {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(PuzzleChooser)
};

} // namespace

int choose(QWidget *owner, const QString &title, const QStringList &labels)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&dialog);
    // The count as the locale writes numbers, with its group separators.
    auto *count = new QLabel(
        Words::tr("It holds %Ln puzzles. Choose the one to load:", nullptr, int(labels.size())),
        &dialog);
    layout->addWidget(count);

    // Numbers right-aligned in a fixed-width font, so the puzzles' cells line up.
    QStringList rows;
    rows.reserve(labels.size());
    const int width = int(QString::number(labels.size()).size());
    for (int i = 0; i < labels.size(); ++i)
        rows << QStringLiteral("%1  %2").arg(i + 1, width).arg(labels.at(i));
    auto *model = new QStringListModel(rows, &dialog);
    auto *list = new QListView(&dialog);
    // Tens of thousands of rows open at once when every row is as high as the first.
    list->setUniformItemSizes(true);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setModel(model);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setCurrentIndex(model->index(0));
    list->setAccessibleName(Words::tr("Puzzles"));
    list->setAccessibleDescription(count->text());
    count->setBuddy(list);
    layout->addWidget(list);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListView::activated, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    list->setFocus();

    if (dialog.exec() != QDialog::Accepted || !list->currentIndex().isValid())
        return -1;
    return list->currentIndex().row();
}

} // namespace PuzzleChooser
