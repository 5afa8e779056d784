// The page as a whole: both languages, offline after one visit, and a
// browser that cannot reach a cable.
import { expect, openPage, test } from '../support/fixtures';
import { PageModel } from '../support/page-model';
import { sampleDat } from '../support/paths';

test.describe('the page', () => {
  test('the language switch renames controls and grid live, and is kept for the next visit', async ({ page }) => {
    const ui = new PageModel(page);
    await openPage(page);
    await ui.openFile(sampleDat);
    await ui.switchLanguage('zh');
    for (const name of ['读频', '写频', '打开', '保存', '新建']) {
      await expect(page.getByRole('button', { name, exact: true })).toBeVisible();
    }
    await expect(ui.grid.getByRole('columnheader', { name: '接收频率' })).toBeVisible();
    await expect(ui.row(5)).toContainText('高');
    await expect(page.getByRole('button', { name: 'Read frequency' })).toHaveCount(0);

    await page.reload();
    await expect(ui.read).toBeVisible();
    await ui.switchLanguage('en');
    await expect(ui.grid.getByRole('columnheader', { name: 'RX frequency' })).toBeVisible();
  });

  test.describe('in a Chinese browser', () => {
    test.use({ locale: 'zh-CN' });
    test('the first visit speaks Chinese', async ({ page }) => {
      await openPage(page);
      await expect(new PageModel(page, 'zh').read).toBeVisible();
    });
  });

  test('after one visit the page reloads and opens files with no network', async ({ page, context }) => {
    const ui = new PageModel(page);
    await openPage(page);
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => undefined));
    await context.setOffline(true);
    await page.reload();
    await expect(ui.read).toBeEnabled();
    await ui.openFile(sampleDat);
    await expect(ui.row(5)).toContainText('439.20000');
  });

  test.describe('in a browser without Web Serial', () => {
    test.use({ serialOptions: { webSerial: false, standIn: { chooser: 'pick', granted: false } } });
    test('the page says which browsers reach the cable and still reads the simulated radio', async ({ page }) => {
      const ui = new PageModel(page);
      await openPage(page);
      expect(await page.evaluate(() => 'serial' in navigator)).toBe(false);
      await ui.expectMessage(/Chrome.*Edge.*Opera/);
      await ui.read.click();
      await ui.expectMessage('Read frequency success!');
      await expect(ui.row(5)).toContainText('439.20000');
    });
  });
});
