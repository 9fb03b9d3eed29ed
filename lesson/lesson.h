#pragma once

// The lesson's core: the programs' own forms stepped through (sorttrace.h, loantrace.h), the
// comparison (comparison.h), the loan as CSV (loancsv.h), and the view model both editions draw:
// a sort's steps (sortstepview.h) with their player (stepplayer.h), the loan (loanlesson.h), the
// choices (lessonchoices.h) and the link to a state (lessonlink.h); «Проверь себя» as a run both
// editions draw (quizsession.h).

#include "comparison.h"
#include "lessonchoices.h"
#include "lessonlink.h"
#include "loancsv.h"
#include "loanlesson.h"
#include "loantrace.h"
#include "quizsession.h"
#include "sortstepview.h"
#include "sorttrace.h"
#include "stepplayer.h"
