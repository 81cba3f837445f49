#pragma once

#include <QStringList>
#include <QTextStream>

// ravivaz-cli sms-send --user U --password P --to NUMBER --from SIGNATURE --message TEXT
// Creates the SMS component by its ProgID, sends one message and prints "result=", "code=" and
// "message=" lines with the outcome. args are the words after "sms-send". Returns the exit
// status: 0 only when the message went out.
int RunSmsSend(const QStringList& args, QTextStream& out, QTextStream& err);
