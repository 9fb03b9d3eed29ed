#include "application.h"
#include "bankwindow.h"

int main(int argc, char *argv[])
{
    return runProgram<BankWindow>(argc, argv, QStringLiteral("Bank"));
}
