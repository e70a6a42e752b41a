#pragma once

#include <QLoggingCategory>

// The program's own messages. The category is named "orvanta", so with Qt's default message
// pattern a warning reads "orvanta: …" on standard error, as users and scripts know it.
Q_DECLARE_LOGGING_CATEGORY(lcOrvanta)
