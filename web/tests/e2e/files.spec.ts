// Files and edits: what the page saves must be what the desktop program and
// the command line save from the same input, byte for byte.
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { expect, openPage, pl63, test } from '../support/fixtures';
import { PageModel } from '../support/page-model';
import { sampleDat } from '../support/paths';

// CHIRP's own columns; every row differs from the next in each field the
// radio keeps (split, tone modes, power, width, skip).
const kChirpCsv = [
  'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE',
  '1,CALL,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,Low,,,,,',
  '2,RPT,439.200000,-,7.600000,Tone,123.0,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,',
  '3,TSQL,433.500000,,0.000000,TSQL,88.5,151.4,023,NN,023,Tone->Tone,FM,12.50,S,High,,,,,',
  '5,DCS,462.562500,+,5.000000,DTCS,88.5,88.5,754,RN,754,Tone->Tone,NFM,12.50,,Low,,,,,',
].join('\r\n') + '\r\n';

test.describe('files and edits', () => {
  test('Open then Save gives the same bytes; a file that is no codeplug changes nothing', async ({ page, scratch }) => {
    const ui = new PageModel(page);
    await openPage(page);
    await ui.openFile(sampleDat);
    await expect(ui.row(7)).toContainText('433.50000');
    expect((await ui.saveBytes()).equals(readFileSync(sampleDat))).toBe(true);

    const junk = join(scratch, 'junk.DAT');
    writeFileSync(junk, Buffer.alloc(900, 0x41));
    await ui.openFile(junk);
    await ui.expectMessage('Document type not to open.');
    await ui.dismissMessage();
    await expect(ui.row(7)).toContainText('433.50000');
  });

  test('a CHIRP import saves the bytes pl63 import writes from the same file', async ({ page, scratch }) => {
    const csv = join(scratch, 'chirp.csv'), cliOut = join(scratch, 'cli.DAT');
    writeFileSync(csv, kChirpCsv);
    pl63('import', csv, '-o', cliOut);
    const ui = new PageModel(page);
    await openPage(page);
    await ui.importChannels(csv);
    await expect(ui.row(5)).toContainText('462.56250');
    expect((await ui.saveBytes()).equals(readFileSync(cliOut))).toBe(true);
  });

  test('an edit in the grid is undone with Ctrl+Z and redone with Ctrl+Y and Ctrl+Shift+Z', async ({ page }) => {
    const ui = new PageModel(page);
    await openPage(page);
    await ui.openFile(sampleDat);
    const rx = ui.row(12).locator('[role=gridcell], [role=rowheader]').nth(1);
    await rx.click();
    await page.keyboard.type('435.125');
    await page.keyboard.press('Enter');
    await expect(ui.row(12)).toContainText('435.12500');
    await page.keyboard.press('Control+z');
    await expect(ui.row(12)).not.toContainText('435.125');
    expect((await ui.saveBytes()).equals(readFileSync(sampleDat))).toBe(true);
    await page.keyboard.press('Control+y');
    await expect(ui.row(12)).toContainText('435.12500');
    await page.keyboard.press('Control+z');
    await page.keyboard.press('Control+Shift+z');
    await expect(ui.row(12)).toContainText('435.12500');
  });
});
