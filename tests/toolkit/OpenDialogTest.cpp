// The file-open dialog hands back every file of a multi-selection, whatever its name holds.

#include "toolkit/window/OpenDialog.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QTest>

namespace {

TEST(OpenDialog, AMultiSelectionKeepsNamesWithQuotesAndBlanks)
{
    const struct {
        const char* name;
        std::vector<std::string> files;
    } cases[] = {
        {"plain names", {"a.jpg", "b.jpg"}},
        {"a double quote", {"a.jpg", "b\"c.jpg"}},
        {"quotes and blanks", {"say \"hi\".jpg", "x y.jpg"}},
        {"one name alone", {"q\"uote.jpg"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TTempDir dir;
        QStringList wanted;
        for (const std::string& file : c.files)
            wanted << QString::fromStdString(dir.Write(file, "picture"));
        TOpenDialog dialog(nullptr, "Select File", QString::fromStdString(dir.Path()));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.show();
        auto* list = dialog.findChild<QAbstractItemView*>("listView");
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == wanted.size(); }));
        list->selectAll();
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        QStringList chosen = dialog.Chosen();
        chosen.sort();
        EXPECT_EQ(chosen, wanted);
    }
}

}  // namespace
