// Read frequency, Write frequency and the password change through the page's
// own Web Serial adapter, against pl63-radiosim on a pseudo-terminal. The
// command line against the same simulated radio is the reference.
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { expect, openPage, pl63, test } from '../support/fixtures';
import { PageModel } from '../support/page-model';
import { sampleDat } from '../support/paths';
import type { SimulatedRadio } from '../support/radio-bridge';

// What a simulated radio holds once it has saved after a session.
async function savedMemory(path: string): Promise<Buffer> {
  await expect.poll(() => existsSync(path)).toBe(true);
  return readFileSync(path);
}

// Resolves with the exit code, or 'running' if the radio is still up after MS.
function exitWithin(radio: SimulatedRadio, ms: number) {
  return Promise.race([radio.exited, new Promise((resolve) => setTimeout(() => resolve('running'), ms))]);
}

test.describe('transfers over the cable', () => {
  test('Read frequency shows the radio and saves what pl63 read saves; the chooser comes up once', async ({ page, radio, serial, scratch }) => {
    const sim = await radio.start(['--load', sampleDat]);
    const ui = new PageModel(page);
    await openPage(page);
    await ui.read.click();
    await ui.expectMessage('Read frequency success!');
    await expect(ui.row(5)).toContainText('439.20000');
    await expect(ui.row(5)).toContainText('88.5');
    expect(serial.opens[0]).toMatchObject({ baudRate: 9600, dataBits: 8, stopBits: 1, parity: 'none' });

    const cliFile = join(scratch, 'cli.DAT');
    pl63('read', '--port', sim.device, '-o', cliFile);
    expect((await ui.saveBytes()).equals(readFileSync(cliFile))).toBe(true);

    await ui.read.click();
    await ui.expectMessage('Read frequency success!');
    expect(serial.chooserShown).toBe(1);
  });

  test('Write frequency leaves the radio holding what pl63 write leaves', async ({ page, radio, scratch }) => {
    const pageSaved = join(scratch, 'page.DAT');
    await radio.start(['--save', pageSaved]);
    const ui = new PageModel(page);
    await openPage(page);
    await ui.openFile(sampleDat);
    await ui.write.click();
    await ui.expectMessage('Write frequency success!');
    const pageMemory = await savedMemory(pageSaved);

    const cliSaved = join(scratch, 'cli.DAT');
    const cliRadio = await radio.start(['--save', cliSaved]);
    pl63('write', '--port', cliRadio.device, sampleDat);
    expect(pageMemory.equals(await savedMemory(cliSaved))).toBe(true);
  });

  // The end frame ends the radio's session: with --once the simulator exits
  // only then (a port closed without it leaves the radio waiting). The radio
  // stops answering after 4 blocks, so the Cancel comes while the page waits.
  for (const { what, press, message } of [
    { what: 'read', press: 'button', message: /^Read cancelled; nothing in the window changed\.$/ },
    { what: 'write', press: 'Escape', message: /Write cancelled: the radio acknowledged \d+ of 29 blocks\./ },
  ]) {
    test(`Cancel (${press}) stops a ${what} with the end frame`, async ({ page, radio, serial }) => {
      const sim = await radio.start(['--load', sampleDat, '--once', '--stall-after', '4']);
      const ui = new PageModel(page);
      await openPage(page);
      const before = await ui.rowTexts(5);
      await (what === 'read' ? ui.read : ui.write).click();
      await expect.poll(() => serial.written.length).toBeGreaterThan(30);
      if (press === 'Escape') await page.keyboard.press('Escape');
      else await ui.cancel.click();
      await ui.expectMessage(message);
      expect(await exitWithin(sim, 5000)).toBe(0);
      expect(await ui.rowTexts(5)).toEqual(before);
      await expect(ui.read).toBeEnabled();
    });
  }

  test('a radio that stops answering: the stopped write names its count, a silent one times out', async ({ page, radio }) => {
    const ui = new PageModel(page);
    await openPage(page);
    await radio.start(['--stall-after', '5']);
    await ui.write.click();
    await ui.expectMessage('The write stopped after 5 of 29 blocks: the radio now holds a mix of old and new settings. Write it again.');
    await expect(ui.write).toBeEnabled();

    await page.reload();
    await radio.start(['--silent']);
    await ui.read.click();
    await ui.expectMessage('Communication error, please check the intercom model, fault, attachment and computer serial choice!');
    await expect(ui.read).toBeEnabled();
  });

  // The radio's password lives at image offset 0x1B0, behind the file's
  // 5-byte signature.
  const kPasswordAt = 5 + 0x1b0;
  for (const { old, message, kept } of [
    { old: '1234', message: 'Communications password is changed successfully!', kept: '5678' },
    { old: '9999', message: 'Password is not correct', kept: '1234' },
  ]) {
    test(`the password change with old password ${old}`, async ({ page, radio, scratch }) => {
      const withPassword = readFileSync(sampleDat);
      withPassword.fill(0xff, kPasswordAt, kPasswordAt + 16).write('1234', kPasswordAt, 'latin1');
      const loaded = join(scratch, 'radio.DAT'), saved = join(scratch, 'after.DAT');
      writeFileSync(loaded, withPassword);
      await radio.start(['--load', loaded, '--save', saved]);
      const ui = new PageModel(page);
      await openPage(page);
      await ui.menu('Settings', '设置', 'Password Set', '密码设置');
      const dialog = page.getByRole('dialog');
      await dialog.getByLabel('Old Password').fill(old);
      await dialog.getByLabel('New Password').fill('5678');
      await dialog.getByLabel('Confirm Password').fill('5678');
      await dialog.getByRole('button', { name: 'Create New Password' }).click();
      await ui.expectMessage(message);
      const memory = await savedMemory(saved);
      expect(memory.toString('latin1', kPasswordAt, kPasswordAt + 4)).toBe(kept);
    });
  }
});
