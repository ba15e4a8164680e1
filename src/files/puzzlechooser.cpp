#include "puzzlechooser.h"
#include "ui/form1.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QStringListModel>
#include <QVBoxLayout>

namespace PuzzleChooser {

int choose(QWidget *owner, const QStringList &labels)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(QString::fromLatin1(AppTitle));
    auto *layout = new QVBoxLayout(&dialog);
    auto *count = new QLabel(QObject::tr("It holds %1 puzzles. Choose the one to load:")
                                 .arg(QLocale().toString(qlonglong(labels.size()))),
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
    list->setAccessibleName(QObject::tr("Puzzles"));
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
