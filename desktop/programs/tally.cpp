#include "application.h"
#include "tallyform.h"

int main(int argc, char *argv[])
{
    return runProgram<TallyForm>(argc, argv);
}
