#pragma once

#include <string>

class LogStore;
class QWidget;

// The two small dialogs of the Keyword and Autofill menus, asked through
// one interface so that tests can answer them.
class EntryDialogs {
public:
    virtual ~EntryDialogs() = default;
    // Add Keyword: returns whether a keyword was added to the log.
    virtual bool addKeyword(QWidget* owner, LogStore& store) = 0;
    // The name to memorize the form under; empty after Cancel.
    virtual std::string askRouteName(QWidget* owner) = 0;
};

// The real dialogs, shown modally.
class QtEntryDialogs : public EntryDialogs {
public:
    bool addKeyword(QWidget* owner, LogStore& store) override;
    std::string askRouteName(QWidget* owner) override;
};
