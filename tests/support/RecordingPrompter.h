#pragma once

#include "common/Prompter.h"

#include <QStringList>
#include <deque>

// A scripted Prompter for rule tests: records every text shown, in order, and answers questions
// and file dialogs from queues (No and cancelled when a queue is empty).
class RecordingPrompter : public Prompter
{
public:
    void inform(const QString &text) override { shown << text; }
    bool confirm(const QString &text) override
    {
        shown << text;
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool confirmRisk(const QString &text) override { return confirm(text); }
    Unsaved askToSave(const QString &text) override
    {
        shown << text;
        if (unsavedAnswers.empty())
            return Unsaved::Cancel;
        const Unsaved answer = unsavedAnswers.front();
        unsavedAnswers.pop_front();
        return answer;
    }
    QString openFileName() override { return next(openNames); }
    QString saveFileName(const QString &offered) override
    {
        offeredSaveNames << offered;
        return next(saveNames);
    }
    QString pdfFileName() override { return next(pdfNames); }

    QStringList shown;
    std::deque<bool> answers;
    std::deque<Unsaved> unsavedAnswers;
    QStringList offeredSaveNames;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<QString> pdfNames;

private:
    static QString next(std::deque<QString> &queue)
    {
        if (queue.empty())
            return {};
        QString name = queue.front();
        queue.pop_front();
        return name;
    }
};
