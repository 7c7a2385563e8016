#pragma once

#include "support/ModalWatcher.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>

// Answers a file dialog by typing the name into its name box and accepting, as a user would.
// selectFile() would leave the box alone while it has the focus (as it does when a dialog is
// shown a second time), and a file still selected in the list from the last time would win over
// the typed name; so the selection is cleared first. `beforeAccept` runs just before the accept,
// as something else on the machine might while the user is still choosing.
inline ModalWatcher::DialogAction typeFileName(const QString &name,
                                               const std::function<void()> &beforeAccept = {})
{
    return [name, beforeAccept](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        for (auto *view : files->findChildren<QAbstractItemView *>())
            view->clearSelection();
        auto *typed = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(typed);
        typed->setText(name);
        if (beforeAccept)
            beforeAccept();
        static_cast<QDialog *>(files)->accept();
    };
}

// Answers "Report Setup" with the destination of this radio button.
inline ModalWatcher::DialogAction sendReportTo(const QString &radioButton)
{
    return [radioButton](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("ReportSetupDialog"));
        auto *destination = dialog->findChild<QRadioButton *>(radioButton);
        QVERIFY(destination);
        destination->setChecked(true);
        static_cast<QDialog *>(dialog)->accept();
    };
}

// Answers "Report Setup" with the destination "File".
inline void sendReportToFile(QWidget *dialog)
{
    sendReportTo(QStringLiteral("FileRadioButton"))(dialog);
}
