#include "forms/activity_log.h"

const std::string ActivityLog::newLine = "\r\n";
const std::string ActivityLog::logSeparator = newLine + std::string(54, '-') + newLine;

void ActivityLog::write(const std::string& entry) {
    box_.setText(logSeparator + entry + box_.text());
}
