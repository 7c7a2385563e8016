#pragma once

#include <QDialog>

// The About box: the program's name, version and notices beside its picture. Created for one
// modal showing and destroyed when it closes.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);

public Q_SLOTS:
    void BitBtn1Click();

private:
    void buildTexts(QWidget *bevel);
    void buildOkButton(QWidget *bevel);
};
