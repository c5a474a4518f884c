-- The sample shop: customers, products, orders over 2023 and 2024, and
-- their lines. Built into shop.db next to the sample reports at build time.
-- The rows are made by formulas so that every build gives the same data.

CREATE TABLE customers (
  customer_id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  city TEXT NOT NULL,
  vip INTEGER NOT NULL
);

INSERT INTO customers (customer_id, name, city, vip) VALUES
  (1, 'Rossi Forniture', 'Milano', 1),
  (2, 'Bianchi & Figli', 'Torino', 0),
  (3, 'Verdi Ufficio', 'Roma', 1),
  (4, 'Neri Cartoleria', 'Napoli', 0),
  (5, 'Gialli Studio', 'Bologna', 0),
  (6, 'Ferrari Design', 'Modena', 1),
  (7, 'Esposito Srl', 'Napoli', 0),
  (8, 'Romano Libri', 'Firenze', 0),
  (9, 'Colombo Arredi', 'Como', 1),
  (10, 'Ricci Stampa', 'Genova', 0),
  (11, 'Marino Scuola', 'Bari', 0),
  (12, 'Greco Archivi', 'Palermo', 1);

CREATE TABLE products (
  product_id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  category TEXT NOT NULL,
  price REAL NOT NULL
);

INSERT INTO products (product_id, name, category, price) VALUES
  (1, 'Ballpoint pen', 'Writing', 0.90),
  (2, 'Fountain pen', 'Writing', 24.50),
  (3, 'Pencil HB', 'Writing', 0.40),
  (4, 'Marker set', 'Writing', 6.80),
  (5, 'A4 paper ream', 'Paper', 4.20),
  (6, 'A3 paper ream', 'Paper', 8.90),
  (7, 'Notebook', 'Paper', 2.70),
  (8, 'Sticky notes', 'Paper', 1.60),
  (9, 'Stapler', 'Desk', 7.50),
  (10, 'Staples box', 'Desk', 1.10),
  (11, 'Desk lamp', 'Desk', 29.00),
  (12, 'Letter tray', 'Desk', 5.40),
  (13, 'Ring binder', 'Filing', 3.30),
  (14, 'Archive box', 'Filing', 2.20),
  (15, 'Folder pack', 'Filing', 4.10),
  (16, 'Label printer', 'Machines', 89.00),
  (17, 'Calculator', 'Machines', 14.90),
  (18, 'Shredder', 'Machines', 129.00),
  (19, 'Ink cartridge', 'Machines', 19.90),
  (20, 'Toner', 'Machines', 64.00);

CREATE TABLE orders (
  order_id INTEGER PRIMARY KEY,
  customer_id INTEGER NOT NULL REFERENCES customers (customer_id),
  order_date TEXT NOT NULL,
  shipped INTEGER NOT NULL,
  note TEXT
);

-- 300 orders, about one every two and a half days from 1 Jan 2023.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)
INSERT INTO orders (order_id, customer_id, order_date, shipped, note)
SELECT i,
       1 + (i * 7 + i / 24) % 12,
       date('2023-01-01', '+' || ((i * 243) / 100) || ' days'),
       CASE WHEN i % 9 = 0 THEN 0 ELSE 1 END,
       CASE WHEN i % 11 = 0 THEN 'Deliver to the back door, ring twice before leaving the parcel' ELSE NULL END
FROM n;

CREATE TABLE order_lines (
  order_id INTEGER NOT NULL REFERENCES orders (order_id),
  line_no INTEGER NOT NULL,
  product_id INTEGER NOT NULL REFERENCES products (product_id),
  quantity INTEGER NOT NULL,
  unit_price REAL NOT NULL,
  PRIMARY KEY (order_id, line_no)
);

-- One to four lines per order.
WITH RECURSIVE o(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM o WHERE i < 300),
     l(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM l WHERE k < 4)
INSERT INTO order_lines (order_id, line_no, product_id, quantity, unit_price)
SELECT o.i, l.k, p.product_id, 1 + (o.i * 13 + l.k * 7) % 20, p.price
FROM o JOIN l ON l.k <= 1 + (o.i * 5) % 4
JOIN products p ON p.product_id = 1 + (o.i * 3 + l.k * 11) % 20;

-- Order totals, for reports that need no lines.
CREATE VIEW order_totals AS
SELECT o.order_id, o.customer_id, o.order_date, o.shipped, o.note,
       ROUND(SUM(l.quantity * l.unit_price), 2) AS total, COUNT(*) AS lines
FROM orders o JOIN order_lines l ON l.order_id = o.order_id
GROUP BY o.order_id;
