// The lesson's state as the URL fragment holds it, so that a link opens the same step:
// #program=pickmin|pairswap|tally|compare&input=TEXT&step=N or
// #program=Bank&amount=A&rate=R&payment=P, each value percent-encoded.
export const sortPrograms = ['pickmin', 'pairswap', 'tally'];
export const loanKeys = ['amount', 'rate', 'payment'];
const programs = [...sortPrograms, 'compare', 'Bank'];

function decode(value) {
    try {
        return decodeURIComponent(value);
    } catch {
        return value;
    }
}

// Missing or unusable values are left to `defaults`; a missing step means 0.
export function parseFragment(hash, defaults) {
    const state = { ...defaults, step: 0 };
    for (const pair of hash.replace(/^#/, '').split('&')) {
        const at = pair.indexOf('=');
        if (at < 0)
            continue;
        const key = decode(pair.slice(0, at));
        const value = decode(pair.slice(at + 1));
        if (key === 'program' && programs.includes(value))
            state.program = value;
        else if (key === 'step' && /^\d+$/.test(value))
            state.step = Number(value);
        else if (key === 'input' || loanKeys.includes(key))
            state[key] = value;
    }
    return state;
}

// A lone surrogate, which no URL can hold, goes as U+FFFD.
export function formatFragment(state) {
    const pairs = [['program', state.program]];
    if (state.program === 'Bank')
        pairs.push(...loanKeys.map(key => [key, state[key]]));
    else
        pairs.push(['input', state.input]);
    if (sortPrograms.includes(state.program))
        pairs.push(['step', state.step]);
    return '#' + pairs.map(([key, value]) => `${key}=${encodeURIComponent(String(value).toWellFormed())}`).join('&');
}
