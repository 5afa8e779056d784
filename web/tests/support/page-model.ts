// How a user finds things on the page: buttons, menus, the grid and dialogs
// by their captions (accessible names), in English or Chinese. Every locator
// the tests use lives here, so a renamed control is fixed in one place.
import { expect, type Locator, type Page } from '@playwright/test';
import { downloadedBytes } from './fixtures';

export type Lang = 'en' | 'zh';

const exact = (text: string) => new RegExp(`^\\s*${text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}\\s*$`);

export class PageModel {
  constructor(readonly page: Page, public lang: Lang = 'en') {}

  private pick(en: string, zh: string) {
    return this.lang === 'en' ? en : zh;
  }

  // A toolbar button: "Read frequency" / "读频" and the like.
  button(en: string, zh: string): Locator {
    return this.page.getByRole('button', { name: exact(this.pick(en, zh)) }).first();
  }

  get read() { return this.button('Read frequency', '读频'); }
  get write() { return this.button('Write frequency', '写频'); }
  get open() { return this.button('Open', '打开'); }
  get save() { return this.button('Save', '保存'); }
  get simulatedRadio() {
    return this.page.getByRole('checkbox', { name: this.pick('Try without a radio', '无对讲机试用') });
  }
  get cancel() { return this.page.getByRole('button', { name: exact(this.pick('Cancel', '取消')) }).first(); }

  // Chooses MENU then ITEM in the menu bar, as a mouse user does.
  async menu(menuEn: string, menuZh: string, itemEn: string, itemZh: string) {
    await this.page.getByRole('menuitem', { name: new RegExp(`^${this.pick(menuEn, menuZh)}`) }).click();
    await this.page.getByRole('menuitem', { name: exact(this.pick(itemEn, itemZh)) })
      .or(this.page.getByRole('menuitemradio', { name: exact(this.pick(itemEn, itemZh)) }))
      .or(this.page.getByRole('menuitemcheckbox', { name: exact(this.pick(itemEn, itemZh)) }))
      .first().click();
  }

  async switchLanguage(to: Lang) {
    await this.menu('Languages', '语言选择', to === 'zh' ? 'Chinese' : 'Englist', to === 'zh' ? '中文' : '英文');
    this.lang = to;
  }

  get grid(): Locator {
    return this.page.getByRole('grid');
  }

  // The grid row of channel CH (its first cell is the channel number).
  row(channel: number): Locator {
    return this.grid.getByRole('row').filter({
      has: this.page.getByRole('rowheader').or(this.page.getByRole('gridcell'))
        .first().filter({ hasText: new RegExp(`^\\s*0?${channel}\\s*$`) }),
    }).first();
  }

  // The cell texts of channel CH's row, channel number first.
  async rowTexts(channel: number): Promise<string[]> {
    const cells = this.row(channel).locator('[role=gridcell], [role=rowheader]');
    return (await cells.allInnerTexts()).map((text) => text.trim());
  }

  async expectMessage(text: string | RegExp) {
    await expect(this.page.getByText(text).first()).toBeVisible();
  }

  // Closes the message box on top (its OK button).
  async dismissMessage() {
    const box = this.page.getByRole('alertdialog').or(this.page.getByRole('dialog')).last();
    await box.getByRole('button').first().click();
  }

  // Open: the page's file chooser given PATH.
  async openFile(path: string) {
    const chooser = this.page.waitForEvent('filechooser');
    await this.open.click();
    await (await chooser).setFiles(path);
  }

  // Save: the bytes of the file the page hands over.
  async saveBytes(): Promise<Buffer> {
    const download = this.page.waitForEvent('download');
    await this.save.click();
    return downloadedBytes(await download);
  }

  async importChannels(path: string) {
    const chooser = this.page.waitForEvent('filechooser');
    await this.menu('File', '文件', 'Import channels…', '导入信道…');
    await (await chooser).setFiles(path);
  }
}
