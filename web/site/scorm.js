// A course platform's SCORM 1.2 API, for a round of «Проверь себя» opened from the SCORM package:
// found as the standard has a lesson look for it, the `API` object of a window up the parent
// chain, then up the opener's. Anywhere else there is none and the lesson records nothing.

// The standard's own search gives up after a few levels; frames nest deeper on no platform.
const MaxDepth = 10;

// A window of another origin throws on any look at its properties: it is passed over.
function apiOf(win) {
    try {
        const api = win.API;
        return api && typeof api.LMSInitialize === 'function' ? api : null;
    } catch {
        return null;
    }
}

function searchUp(win) {
    for (let depth = 0; win && depth <= MaxDepth; ++depth) {
        const api = apiOf(win);
        if (api)
            return api;
        if (win.parent === win)
            break;
        win = win.parent;
    }
    return null;
}

function findApi() {
    if (window.parent !== window) {
        const api = searchUp(window.parent);
        if (api)
            return api;
    }
    return window.opener ? searchUp(window.opener) : null;
}

// The platform's session, or null outside a platform or when it refuses to start one.
// `timeText(milliseconds)`: cmi.core.session_time as the core writes it.
export function connectScorm(timeText) {
    const api = findApi();
    if (!api || String(api.LMSInitialize('')) !== 'true')
        return null;
    const started = performance.now();
    let open = true;
    const set = (name, value) => api.LMSSetValue(name, String(value));
    if (api.LMSGetValue('cmi.core.lesson_status') === 'not attempted')
        set('cmi.core.lesson_status', 'incomplete');

    const close = () => {
        set('cmi.core.session_time', timeText(performance.now() - started));
        api.LMSCommit('');
        api.LMSFinish('');
        open = false;
    };
    // Left before the end of the round: the time spent is still the platform's to know.
    addEventListener('pagehide', () => {
        if (open)
            close();
    });

    const session = {
        // The mastery score as the platform gives it, for the core's report.
        mastery: String(api.LMSGetValue('cmi.student_data.mastery_score') ?? ''),
        // `report`: the core's record of the finished round.
        finish(report) {
            if (!open)
                return;
            set('cmi.core.score.raw', report.raw);
            set('cmi.core.score.min', report.min);
            set('cmi.core.score.max', report.max);
            set('cmi.core.lesson_status', report.status);
            for (const [index, item] of report.interactions.entries()) {
                const key = `cmi.interactions.${index}.`;
                set(`${key}id`, item.id);
                set(`${key}type`, item.type);
                set(`${key}student_response`, item.response);
                set(`${key}correct_responses.0.pattern`, item.correct);
                set(`${key}result`, item.result);
            }
            close();
        },
    };
    return session;
}
