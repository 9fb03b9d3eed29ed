// What a page loaded, as the budgets count it: every response's body, raw and gzip -9.
import { gzipSync } from 'node:zlib';

export async function pageWeight(responses) {
    let gzip = 0;
    let raw = 0;
    for (const response of responses) {
        const body = await response.body();
        raw += body.length;
        gzip += gzipSync(body, { level: 9 }).length;
    }
    return `${(gzip / 1024).toFixed(1)} KB (${(raw / 1024).toFixed(1)} KB) in ${responses.length} files`;
}
