// Keyboard and screen-reader use: axe-core finds no serious or critical
// violation on the main view or in any dialog, and Tab stays inside an open
// dialog.
import AxeBuilder from '@axe-core/playwright';
import type { Page } from '@playwright/test';
import { expect, openPage, test } from '../support/fixtures';
import { PageModel } from '../support/page-model';
import { sampleDat } from '../support/paths';

async function seriousViolations(page: Page, include?: string) {
  // @axe-core/playwright is typed against its own copy of playwright-core.
  let axe = new AxeBuilder({ page } as unknown as ConstructorParameters<typeof AxeBuilder>[0]);
  if (include) axe = axe.include(include);
  const { violations } = await axe.analyze();
  return violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id}: ${v.help} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
}

// The five option windows, the password window and About, by their menu items.
const kDialogs = [
  ['Programming', 'Optional function'],
  ['Programming', 'Keys set'],
  ['Programming', 'Embedded information'],
  ['Programming', 'Debug(D)'],
  ['Programming', 'Debug frequency'],
  ['Settings', 'Password Set'],
  ['Help', 'About'],
] as const;

test.describe('accessibility', () => {
  test('the main view with a codeplug open has no serious or critical violation', async ({ page }) => {
    const ui = new PageModel(page);
    await openPage(page);
    await ui.openFile(sampleDat);
    await expect(ui.row(5)).toContainText('439.20000');
    expect(await seriousViolations(page)).toEqual([]);
  });

  test('every dialog: no serious or critical violation, and Tab keeps the focus inside', async ({ page }) => {
    const ui = new PageModel(page);
    await openPage(page);
    for (const [menu, item] of kDialogs) {
      await test.step(item, async () => {
        await ui.menu(menu, menu, item, item);
        const dialog = page.getByRole('dialog');
        await expect(dialog).toBeVisible();
        expect(await seriousViolations(page, '[role=dialog], dialog')).toEqual([]);
        // A modal dialog lets Tab reach the browser's own controls (focus on
        // the body) between rounds, never the page behind it.
        for (let i = 0; i < 12; i++) {
          await page.keyboard.press('Tab');
          expect(await dialog.evaluate((element) =>
            element.contains(document.activeElement) || document.activeElement === document.body)).toBe(true);
        }
        await page.keyboard.press('Escape');
        await expect(dialog).toBeHidden();
      });
    }
  });
});
