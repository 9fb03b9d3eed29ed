#include "application.h"
#include "tallywindow.h"

int main(int argc, char *argv[])
{
    return runProgram<TallyWindow>(argc, argv, QStringLiteral("tally"));
}
