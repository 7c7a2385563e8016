#pragma once

#include "common/Prompter.h"

#include <QStringList>
#include <deque>

// A scripted Prompter for rule tests: records every text shown, in order, and answers questions
// and file dialogs from queues (No, Cancel, Later and cancelled when a queue is empty).
class RecordingPrompter : public Prompter
{
public:
    void inform(const QString &text) override { shown << text; }
    bool confirm(const QString &text) override
    {
        shown << text;
        return next(answers, false);
    }
    bool confirmRisk(const QString &text) override { return confirm(text); }
    Unsaved askToSave(const QString &text) override
    {
        shown << text;
        return next(unsavedAnswers, Unsaved::Cancel);
    }
    Recovery askToRestore(const QString &text) override
    {
        shown << text;
        return next(restoreAnswers, Recovery::Later);
    }
    void announce(const QString &text) override { announced << text; }
    QString openFileName() override { return next(openNames); }
    QString saveFileName(const QString &offered) override
    {
        offeredSaveNames << offered;
        return next(saveNames);
    }
    QString pdfFileName() override { return next(pdfNames); }

    QStringList shown;
    QStringList announced; // what went to the status bar
    std::deque<bool> answers;
    std::deque<Unsaved> unsavedAnswers;
    std::deque<Recovery> restoreAnswers;
    QStringList offeredSaveNames;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<QString> pdfNames;

private:
    template <class T> static T next(std::deque<T> &queue, T otherwise = {})
    {
        if (queue.empty())
            return otherwise;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};
