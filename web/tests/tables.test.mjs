// The programs' table cases through their pages: typed into the boxes, clicked, and read back
// from the captions, the dialog and the entry box's selection, character for character as the
// desktop's window shows them.
import { defaultButtonAt, expect, openProgram, selection, setValue, test, units, valueUnits } from './fixtures.mjs';

const Source = 'Исходный массив состоит из элементов:\n';
const Overflow = 'Ошибка выполнения: переполнение.';
const oneToTen = ' 1  2  3  4  5  6  7  8  9  10 ';
const titles = {
    pickmin: 'Алгоритм сортировки переносом мин. элемента: \n',
    pairswap: 'Алгоритм сортировки парными перестановками: \n',
    tally: 'Алгоритм сортировки подсчетом (все элементы массива должны быть разными!):\n',
};

// [program, name, text, echo, result (after the title), selection start, end]
const sortingRows = [
    ['pickmin', 'mixed', '5 3 8 1 9 2 7 4 10 6', ' 5  3  8  1  9  2  7  4  10  6 ', oneToTen, 19, 20],
    ['pickmin', 'completed input', '5 4 3', ' 5  4  3  3  3  3  3  3  3  3 ',
        ' 3  3  3  3  3  3  3  3  4  5 ', 4, 5],
    ['pickmin', 'negatives', '-2 5 -7 0 3 1 -1 4 2 6', '-2  5 -7  0  3  1 -1  4  2  6 ',
        '-7 -2 -1  0  1  2  3  4  5  6 ', 21, 22],
    ['pickmin', 'shown at single precision', '3.14159265358979 2',
        ' 3.14159265358979  2  2  2  2  2  2  2  2  2 ', ' 2  2  2  2  2  2  2  2  2  3.141593 ', 17, 18],
    ['pickmin', 'empty', '', ' 0  0  0  0  0  0  0  0  0  0 ', ' 0  0  0  0  0  0  0  0  0  0 ', 0, 0],
    ['pairswap', 'descending', '10 9 8 7 6 5 4 3 2 1', ' 10  9  8  7  6  5  4  3  2  1 ',
        'Выполнено перестановок:  45\n' + oneToTen, 19, 20],
    ['pairswap', 'tenth at single precision', '0.3 0.1', ' 0.3  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1 ',
        'Выполнено перестановок:  9\n 0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.3 ', 4, 7],
    ['pairswap', 'twelve numbers', '1 2 3 4 5 6 7 8 9 10 11 12', ' 1  2  3  4  5  6  7  8  9  10 ',
        'Выполнено перестановок:  0\n' + oneToTen, 21, 26],
    ['tally', 'one value twice', '4 2 4 1 3 5 6 7 8 9', ' 4  2  4  1  3  5  6  7  8  9 ',
        ' 1  2  3  4  0  5  6  7  8  9 ', 18, 19],
    ['tally', 'trailing blank', '1 2 3 ', ' 1  2  3  0  0  0  0  0  0  0 ',
        ' 0  0  0  0  0  0  0  1  2  3 ', 6, 6],
    // Positions count UTF-16 code units, a pair as two and a lone surrogate as one.
    ['pickmin', 'surrogates', '\u{1D7D8} 7 \uD800 3', ' 0  7  0  3  3  3  3  3  3  3 ',
        ' 0  0  3  3  3  3  3  3  3  7 ', 7, 8],
];

for (const [program, name, text, echo, result, start, end] of sortingRows) {
    test(`${program}: ${name}`, async ({ page }) => {
        await openProgram(page, program);
        await setValue(page, 'Text1', text);
        // By the button, then by Enter in the box: the same captions and selection each time.
        for (const press of [() => page.click(defaultButtonAt(program)), () => page.press('#Text1', 'Enter')]) {
            await press();
            expect(await page.textContent('#Label1')).toBe(Source + echo);
            expect(await page.textContent('#Label2')).toBe(titles[program] + result);
            expect(await valueUnits(page, 'Text1')).toEqual(units(text));
            expect(await selection(page, 'Text1')).toEqual([start, end]);
        }
    });
}

test('a number beyond singles: the message, with the echo behind it', async ({ page }) => {
    await openProgram(page, 'pickmin');
    await page.fill('#Text1', '1 1E+39 2');
    await page.click(defaultButtonAt('pickmin'));
    const dialog = page.locator('#message');
    await expect(dialog).toBeVisible();
    await expect(page.locator('#messageText')).toHaveText(Overflow);
    await expect(page.locator('#messageTitle')).toHaveText('pickmin');
    expect(await page.textContent('#Label1')).toBe(Source + ' 1  1E+39  2  2  2  2  2  2  2  2 ');
    expect(await page.textContent('#Label2')).toBe(titles.pickmin);
    await page.click('#messageOk');
    await expect(dialog).toBeHidden();
});

test('the longest text is taken whole', async ({ page }) => {
    await openProgram(page, 'pickmin');
    const text = ('12345 '.repeat(5462) + '7').slice(0, 32767);
    await page.fill('#Text1', text);
    await page.click(defaultButtonAt('pickmin'));
    expect(await page.textContent('#Label1')).toBe(Source + ' 12345 '.repeat(10));
    expect(await page.inputValue('#Text1')).toBe(text);
    expect(await selection(page, 'Text1')).toEqual([60, 32767]);
});

const CheckData = 'Проверьте свои данные и повторите ввод!';
const NotCovered = 'Выплаты за год не покрывают процентную ставку! Измените данные.';
const TooLong = 'Срок погашения превышает 32767 лет! Измените данные.';
const loanResult = (years, remainder, share) =>
    `Количество полных лет: ${years}\nОстаток суммы ${remainder} (это еще ${share} г.)`;

// [name, amount, rate, payment, message, result or null when Label4 keeps its caption]
const bankRows = [
    ['start values', '5000000', '12', '800000', '', loanResult('12', '173373.35', '0.22')],
    ['grouped digits and decimal comma', '5 000 000', '12,0', '800 000,00', '', loanResult('12', '173373.35', '0.22')],
    ['payment just above interest', '5000000', '12', '600001', '', loanResult('117', '221114.24', '0.37')],
    ['longest term', '32767.5', '0', '1', '', loanResult('32767', '0.50', '0.50')],
    ['amount below payment', '500000', '12', '800000', CheckData, null],
    ['empty boxes', '', '', '', CheckData, null],
    ['payment equal to interest', '5000000', '12', '600000', NotCovered, null],
    ['one year too long', '32768.5', '0', '1', TooLong, null],
    ['amount beyond doubles', '1e400', '12', '1', Overflow, null],
];

for (const [name, amount, rate, payment, message, result] of bankRows) {
    test(`Bank: ${name}`, async ({ page }) => {
        await openProgram(page, 'Bank');
        const before = await page.textContent('#Label4');
        await page.fill('#Text1', amount);
        await page.fill('#Text2', rate);
        await page.fill('#Text3', payment);
        await page.click(defaultButtonAt('Bank'));
        if (message) {
            await expect(page.locator('#message')).toBeVisible();
            await expect(page.locator('#messageText')).toHaveText(message);
            await expect(page.locator('#messageTitle')).toHaveText('Bank');
        } else {
            await expect(page.locator('#message')).toBeHidden();
        }
        expect(await page.textContent('#Label4')).toBe(result ?? before);
        for (const [id, value] of [['Text1', amount], ['Text2', rate], ['Text3', payment]])
            expect(await page.inputValue(`#${id}`)).toBe(value);
    });
}

test('Bank: a warning keeps the previous result', async ({ page }) => {
    await openProgram(page, 'Bank');
    await page.click(defaultButtonAt('Bank'));
    await expect(page.locator('#Label4')).toHaveText(loanResult('12', '173373.35', '0.22'));
    await page.fill('#Text3', '600000');
    await page.click(defaultButtonAt('Bank'));
    await expect(page.locator('#messageText')).toHaveText(NotCovered);
    await page.click('#messageOk');
    expect(await page.textContent('#Label4')).toBe(loanResult('12', '173373.35', '0.22'));
});

